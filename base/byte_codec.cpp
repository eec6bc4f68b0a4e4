#include "base/byte_codec.h"

std::string IntToBin4(std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  return {static_cast<char>(bits & 0xFF), static_cast<char>(bits >> 8 & 0xFF),
          static_cast<char>(bits >> 16 & 0xFF), static_cast<char>(bits >> 24 & 0xFF)};
}

std::int32_t Bin4ToInt(std::string_view bytes) {
  if (bytes.size() > 4) bytes.remove_prefix(bytes.size() - 4);
  // The bytes present are the high end of the value.
  std::uint32_t bits = 0;
  int shift = 8 * static_cast<int>(4 - bytes.size());
  for (const char byte : bytes) {
    bits |= static_cast<std::uint32_t>(static_cast<unsigned char>(byte)) << shift;
    shift += 8;
  }
  return static_cast<std::int32_t>(bits);
}
