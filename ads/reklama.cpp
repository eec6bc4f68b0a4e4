#include "ads/reklama.h"

#include "base/byte_codec.h"
#include "gfx/container_records.h"
#include "gfx/graph_error.h"

bool TReklama::Load() {
  Clear();
  const auto bytes = ReadContainerFile(FileName);
  if (!bytes) return false;
  try {
    for (const TContainerRecord& record : SplitContainer(*bytes, FileName)) {
      // A key too short to hold the repeat count is no banner.
      if (!ParseBannerKey(record.Key)) throw TGraphError("banner key too short in " + FileName);
      FEntries.emplace_back(std::string(record.Key), DecodeGif(record.Data));
    }
  } catch (const TGraphError&) {
    Clear();
    return false;
  }
  return true;
}

const std::string& TReklama::GetKey(int index) const {
  static const std::string kNone;
  return InRange(index) ? FEntries[index].first : kNone;
}

const TGifImage* TReklama::GetImage(int index) const { return InRange(index) ? &FEntries[index].second : nullptr; }

std::int32_t TReklama::RepeatCount(int index) const {
  if (!InRange(index)) return 0;
  const std::string& key = FEntries[index].first;
  // Bin4ToInt reads the last four bytes it is given: hand it the first four only.
  return Bin4ToInt(std::string_view(key).substr(0, BannerKeyLinkOffset));
}

std::string TReklama::LinkOf(int index) const {
  if (!InRange(index)) return {};
  const std::string& key = FEntries[index].first;
  return key.size() > BannerKeyLinkOffset ? key.substr(BannerKeyLinkOffset) : std::string();
}

void TReklama::Clear() {
  FEntries.clear();
  RestartAnimation();
}

void TReklama::Delete(int index) {
  if (!InRange(index)) return;
  FEntries.erase(FEntries.begin() + index);
  RestartAnimation();
}
