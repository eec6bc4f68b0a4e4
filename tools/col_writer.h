#pragma once

// Builds image container files ("graph.col", "font.col", "rekl.col") for the asset pipeline
// and for test fixtures. Output depends only on the records given, so a build is repeatable.
//
//   std::vector<TColRecord> records;
//   records.push_back(ImageRecord(gkBitmap, 0x00FF00FF, Cp1251("BT_OK"), bmpFileBytes));
//   records.push_back(BannerRecord(3, "rules.html", gifFileBytes));   // for rekl.col
//   std::string bytes = BuildContainer(records);   // write these bytes to the .col file
//
// Records are written in the order given; the reader keeps that order (the first image of a
// name wins, the banners rotate in it). Names and links are Windows-1251 byte strings.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/container_records.h"  // TGraphKind, MakeImageKey, MakeBannerKey

struct TColRecord {
  std::string Key;   // as made by MakeImageKey or MakeBannerKey (any bytes are written as given)
  std::string Data;  // the image file, byte for byte as it would stand on disk
};

// An image record: kind, colour key (the 0x00RRGGBB pixel value drawn transparent), name.
TColRecord ImageRecord(TGraphKind kind, std::uint32_t colorKey, std::string_view name,
                       std::string data);

// A banner record: how many times its animation plays, the link opened on a click, GIF data.
TColRecord BannerRecord(std::uint32_t repeatCount, std::string_view link, std::string gifData);

// The container bytes: per record its key length, key, data length and data (32-bit
// little-endian lengths). Throws std::length_error for a key or data of 4 GiB or more.
std::string BuildContainer(const std::vector<TColRecord>& records);
