#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "gfx/gif_decoder.h"

// The banner rotator's list: the banners of "rekl.col" in file order, each its container key
// (repeat count, then link) and its decoded GIF animation, owned by the list.
class TReklama {
public:
  std::string FileName;  // the container to read

  // Empties the list and reads FileName whole. False when the file is missing or unreadable,
  // when its records are cut short, when a key is too short for the repeat count and when a banner does not decode as a GIF: a list is
  // either whole or empty, never holding a broken entry.
  bool Load();

  int Count() const { return static_cast<int>(FEntries.size()); }
  // The entry's key as stored; empty for an index out of range.
  const std::string& GetKey(int index) const;
  // nullptr for an index out of range.
  const TGifImage* GetImage(int index) const;
  // The first four bytes of the key, little-endian signed; 0 out of range.
  std::int32_t RepeatCount(int index) const;
  // The key from its fifth byte on; empty out of range.
  std::string LinkOf(int index) const;

  void Clear() { FEntries.clear(); }
  void Delete(int index);

private:
  bool InRange(int index) const { return index >= 0 && index < Count(); }

  std::vector<std::pair<std::string, TGifImage>> FEntries;
};
