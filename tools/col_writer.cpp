#include "tools/col_writer.h"

#include "base/byte_codec.h"

#include <limits>
#include <stdexcept>
#include <utility>

TColRecord ImageRecord(TGraphKind kind, std::uint32_t colorKey, std::string_view name,
                       std::string data) {
  return {MakeImageKey(kind, colorKey, name), std::move(data)};
}

TColRecord BannerRecord(std::uint32_t repeatCount, std::string_view link, std::string gifData) {
  return {MakeBannerKey(repeatCount, link), std::move(gifData)};
}

namespace {

void AppendField(std::string& out, const std::string& field) {
  if (field.size() > std::numeric_limits<std::uint32_t>::max())
    throw std::length_error("container field longer than 32-bit length allows");
  out += IntToBin4(static_cast<std::int32_t>(field.size()));
  out += field;
}

}  // namespace

std::string BuildContainer(const std::vector<TColRecord>& records) {
  std::string out;
  for (const TColRecord& record : records) {
    AppendField(out, record.Key);
    AppendField(out, record.Data);
  }
  return out;
}
