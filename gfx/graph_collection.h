#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/image.h"
#include "gfx/container_records.h"

// An image container ("graph.col", "font.col") in memory: entries in file order, each the
// record's key (kind, colour key, name) and its decoded image. Lives only while the loading
// window turns the images into sprites and glyphs.
class TGraphCollection {
public:
  std::string FileName;  // the container to read, relative to the current directory
  // Called after each record is taken in, so the loading window keeps animating.
  std::function<void()> AfterRecord;

  // Empties the collection and reads FileName. False when the file is missing (no message)
  // or unreadable (the read-error message is shown); true when it was read, even if empty.
  // A container cut short, a record of unknown kind or an image its decoder rejects throws
  // TGraphError naming the file and record; the entries taken in before it stay.
  bool LoadFromFile();

  // Decodes one image and adds it under name, unless that name is present already (then the
  // data is not read). The colour key starts as 0. Throws TGraphError for an unknown kind,
  // a metafile or undecodable data, adding nothing.
  void AddGraphic(std::uint8_t kind, std::string_view name, std::string_view data);

  // Entries by index; an index outside 0..Count()-1 throws std::out_of_range.
  int Count() const { return static_cast<int>(FEntries.size()); }
  // First entry of exactly this name (bytes compared as they are, so case counts), or -1.
  int IndexOfName(std::string_view name) const;
  std::string_view GetName(int index) const;
  TGraphKind GetKind(int index) const;
  std::uint32_t GetColorKey(int index) const;
  void SetColorKey(int index, std::uint32_t colorKey);
  const TImage& GetGraphic(int index) const;
  void Delete(int index);
  void Clear();

private:
  struct TEntry {
    std::string Key;  // the image record key as stored: kind, colour key, name
    TImage Image;
  };
  std::vector<TEntry> FEntries;
};
