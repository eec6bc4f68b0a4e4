#include "gfx/button_collection.h"

#include <algorithm>

namespace {

// Upper case of a Windows-1251 byte: Latin and Cyrillic letters, Ё included.
unsigned char UpperCase(unsigned char byte) {
  if ((byte >= 'a' && byte <= 'z') || byte >= 0xE0) return byte - 0x20;
  if (byte == 0xB8) return 0xA8;
  return byte;
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return UpperCase(static_cast<unsigned char>(x)) == UpperCase(static_cast<unsigned char>(y));
  });
}

}  // namespace

int TSefraButtonCollection::IndexOfName(const std::string& name) const {
  for (int i = 0; i < Count(); ++i)
    if (SameIgnoringCase(FEntries[i].first, name)) return i;
  return -1;
}

bool TSefraButtonCollection::Tick() {
  bool ended = false;
  for (auto& entry : FEntries) ended = entry.second->Tick() || ended;
  return ended;
}
