#include "gfx/container_records.h"

#include "base/byte_codec.h"
#include "gfx/file_io.h"
#include "gfx/graph_error.h"

namespace {

std::uint32_t ReadLe32(std::string_view fourBytes) {
  return static_cast<std::uint32_t>(Bin4ToInt(fourBytes));
}

std::string Le32(std::uint32_t value) { return IntToBin4(static_cast<std::int32_t>(value)); }

}  // namespace

std::optional<std::string> ReadContainerFile(const std::string& fileName) {
  const auto blocks = ReadFileToBlocks(fileName);
  if (!blocks) return std::nullopt;
  std::string bytes;
  for (const std::string& block : *blocks) bytes += block;
  return bytes;
}

std::vector<TContainerRecord> SplitContainer(std::string_view bytes, std::string_view fileName) {
  std::vector<TContainerRecord> records;
  std::size_t pos = 0;
  // Reads one length-prefixed field, or nothing when the bytes end inside it.
  auto field = [&](std::string_view& out) {
    if (bytes.size() - pos < 4) return false;
    const std::uint32_t length = ReadLe32(bytes.substr(pos, 4));
    pos += 4;
    if (bytes.size() - pos < length) return false;
    out = bytes.substr(pos, length);
    pos += length;
    return true;
  };
  while (bytes.size() - pos > 1) {
    const std::size_t start = pos;
    TContainerRecord record;
    if (!field(record.Key) || !field(record.Data))
      throw TGraphError(std::string(fileName) + " is cut short: record " + std::to_string(records.size()) +
                        " at byte " + std::to_string(start) + " runs past the end (" +
                        std::to_string(bytes.size()) + " bytes)");
    records.push_back(record);
  }
  return records;
}

std::string MakeImageKey(TGraphKind kind, std::uint32_t colorKey, std::string_view name) {
  return std::string(1, static_cast<char>(kind)) + Le32(colorKey) + std::string(name);
}

std::optional<TImageKey> ParseImageKey(std::string_view key) {
  if (key.size() < ImageKeyNameOffset) return std::nullopt;
  return TImageKey{static_cast<std::uint8_t>(key[0]), ReadLe32(key.substr(1, 4)),
                   key.substr(ImageKeyNameOffset)};
}

std::string MakeBannerKey(std::uint32_t repeatCount, std::string_view link) {
  return Le32(repeatCount) + std::string(link);
}

std::optional<TBannerKey> ParseBannerKey(std::string_view key) {
  if (key.size() < BannerKeyLinkOffset) return std::nullopt;
  return TBannerKey{ReadLe32(key.substr(0, 4)), key.substr(BannerKeyLinkOffset)};
}
