#include "net/message_record.h"

#include "base/byte_codec.h"

namespace {

constexpr std::size_t kLengthAt = 4;
constexpr std::size_t kTextAt = 5;

}  // namespace

std::string PackGameMessage(std::int32_t kind, std::string_view text) {
  text = text.substr(0, GameMessageTextLimit);
  std::string record = IntToBin4(kind);
  record += static_cast<char>(text.size());
  record += text;
  record.resize(GameMessageSize, '\0');
  return record;
}

std::optional<TGameMessage> UnpackGameMessage(std::string_view block) {
  if (block.size() != GameMessageSize) return std::nullopt;
  const std::size_t length = static_cast<std::uint8_t>(block[kLengthAt]);
  if (length > GameMessageTextLimit) return std::nullopt;
  return TGameMessage{Bin4ToInt(block.substr(0, 4)), std::string(block.substr(kTextAt, length))};
}
