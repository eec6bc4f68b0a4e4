#include "game/options.h"

#include "base/byte_codec.h"

std::array<std::int32_t, OptionCount> OptionValues(const TGameOptions& options) {
  std::array<std::int32_t, OptionCount> values;
  for (std::size_t i = 0; i < OptionCount; ++i) values[i] = OptionRules[i].Get(options);
  return values;
}

std::string FormatOptionLines(const TGameOptions& options) {
  std::string lines;
  for (const TOptionRule& rule : OptionRules)
    lines.append(rule.Key).append("=").append(std::to_string(rule.Get(options))).append("\n");
  return lines;
}

// Booleans pack as the character "1" or "0", one-byte fields as their byte, four-byte fields
// least significant byte first.
std::string OptionsToString(const TGameOptions& options) {
  std::string packed;
  packed.reserve(PackedOptionsSize);
  for (const TOptionRule& rule : OptionRules) {
    const std::int32_t value = rule.Get(options);
    if (rule.IsFlag())
      packed += value != 0 ? '1' : '0';
    else if (rule.PackedWidth == 1)
      packed += static_cast<char>(value);
    else
      packed += IntToBin4(value);
  }
  return packed;
}

TGameOptions OptionsFromString(std::string_view packed) {
  TGameOptions options;
  std::size_t offset = 0;
  for (const TOptionRule& rule : OptionRules) {
    // What lies past the end of the text reads as zero bytes.
    const std::string_view field = packed.substr(std::min(offset, packed.size()), rule.PackedWidth);
    offset += rule.PackedWidth;
    if (rule.IsFlag())
      rule.Set(options, field == "1");
    else if (rule.PackedWidth == 1)
      rule.Set(options, field.empty() ? 0 : static_cast<std::uint8_t>(field[0]));
    else
      rule.Set(options, Bin4ToInt(field));  // an 8-bit field keeps the low byte
  }
  return options;
}
