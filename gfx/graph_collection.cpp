#include "gfx/graph_collection.h"

#include <optional>
#include <utility>

#include "base/cp1251.h"
#include "gfx/bmp_decoder.h"
#include "gfx/graph_error.h"
#include "gfx/jpeg_decoder.h"

namespace {

TImage DecodeImage(std::uint8_t kind, std::string_view data) {
  switch (kind) {
    case gkBitmap:
      return DecodeBmp(data);
    case gkJPEG:
      return DecodeJpeg(data);
    case gkMetafile:
      throw TGraphError("Windows metafiles (kind 0) are not supported");
    default:
      throw TGraphError("unknown image kind " + std::to_string(kind));
  }
}

}  // namespace

bool TGraphCollection::LoadFromFile() {
  Clear();
  const std::optional<std::string> bytes = ReadContainerFile(FileName);
  if (!bytes) return false;

  const std::vector<TContainerRecord> records = SplitContainer(*bytes, FileName);
  for (std::size_t i = 0; i < records.size(); ++i) {
    const auto key = ParseImageKey(records[i].Key);
    const auto where = [&] { return FileName + ", record " + std::to_string(i); };
    if (!key) throw TGraphError(where() + ": key shorter than " + std::to_string(ImageKeyNameOffset) + " bytes");
    try {
      AddGraphic(key->Kind, key->Name, records[i].Data);
    } catch (const TGraphError& e) {
      throw TGraphError(where() + " \"" + Utf8(key->Name) + "\": " + e.what());
    }
    // Through the name, so a repeated name keeps its first image and its last colour key.
    SetColorKey(IndexOfName(key->Name), key->ColorKey);
    if (AfterRecord) AfterRecord();
  }
  return true;
}

void TGraphCollection::AddGraphic(std::uint8_t kind, std::string_view name, std::string_view data) {
  if (IndexOfName(name) >= 0) return;
  // Decoded before the entry exists, so a rejected image leaves no half-made entry behind.
  TImage image = DecodeImage(kind, data);
  FEntries.push_back({MakeImageKey(static_cast<TGraphKind>(kind), 0, name), std::move(image)});
}

int TGraphCollection::IndexOfName(std::string_view name) const {
  for (std::size_t i = 0; i < FEntries.size(); ++i)
    if (GetName(static_cast<int>(i)) == name) return static_cast<int>(i);
  return -1;
}

std::string_view TGraphCollection::GetName(int index) const {
  return std::string_view(FEntries.at(index).Key).substr(ImageKeyNameOffset);
}

TGraphKind TGraphCollection::GetKind(int index) const {
  return static_cast<TGraphKind>(ParseImageKey(FEntries.at(index).Key)->Kind);
}

std::uint32_t TGraphCollection::GetColorKey(int index) const {
  return ParseImageKey(FEntries.at(index).Key)->ColorKey;
}

void TGraphCollection::SetColorKey(int index, std::uint32_t colorKey) {
  std::string& key = FEntries.at(index).Key;
  key = MakeImageKey(static_cast<TGraphKind>(key[0]), colorKey, std::string_view(key).substr(ImageKeyNameOffset));
}

const TImage& TGraphCollection::GetGraphic(int index) const { return FEntries.at(index).Image; }

void TGraphCollection::Delete(int index) {
  FEntries.at(index);  // the same range check as every other accessor
  FEntries.erase(FEntries.begin() + index);
}

void TGraphCollection::Clear() { FEntries.clear(); }
