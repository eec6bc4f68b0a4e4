#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An image container is a flat run of records, each: key length (4 bytes), key, data length
// (4 bytes), data. All integers are unsigned 32-bit little-endian; there is no header.

// What the data of an image record is.
enum TGraphKind : std::uint8_t {
  gkMetafile = 0,  // a Windows metafile stream (not decoded by this program)
  gkBitmap = 1,    // a BMP file including its file header
  gkJPEG = 2,      // a JPEG/JFIF stream
};

// One record, viewing the container bytes it was split from.
struct TContainerRecord {
  std::string_view Key;
  std::string_view Data;
};

// The whole container file, read as the game reads it (ReadFileToBlocks): nothing when it is
// missing (silently) or unreadable (the read-error message is shown).
std::optional<std::string> ReadContainerFile(const std::string& fileName);

// Splits container bytes into records in file order. Bytes that end inside a record (a short
// length field or fewer bytes than announced) reject the whole container with a TGraphError
// naming fileName; a single byte left after the last record is ignored.
std::vector<TContainerRecord> SplitContainer(std::string_view bytes, std::string_view fileName);

// Image record key: kind (1 byte), colour key (4 bytes), name (Windows-1251, no terminator).
// The colour key is the 0x00RRGGBB pixel value that is transparent when drawn as a sprite.
constexpr std::size_t ImageKeyNameOffset = 5;
struct TImageKey {
  std::uint8_t Kind;  // a TGraphKind when valid; any byte as stored
  std::uint32_t ColorKey;
  std::string_view Name;
};
std::string MakeImageKey(TGraphKind kind, std::uint32_t colorKey, std::string_view name);
std::optional<TImageKey> ParseImageKey(std::string_view key);  // nullopt when shorter than 5

// Banner record key ("rekl.col"): repeat count (4 bytes), link (8-bit text, no terminator).
constexpr std::size_t BannerKeyLinkOffset = 4;
struct TBannerKey {
  std::uint32_t RepeatCount;
  std::string_view Link;
};
std::string MakeBannerKey(std::uint32_t repeatCount, std::string_view link);
std::optional<TBannerKey> ParseBannerKey(std::string_view key);  // nullopt when shorter than 4
