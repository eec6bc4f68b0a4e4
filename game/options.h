#pragma once

// The house rules' rule-set file and packed form, both read off OptionRules.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/option_table.h"

// The rule-set file keys in file order.
inline constexpr std::array<std::string_view, OptionCount> OptionKeys = [] {
  std::array<std::string_view, OptionCount> keys;
  for (std::size_t i = 0; i < OptionCount; ++i) keys[i] = OptionRules[i].Key;
  return keys;
}();

// The field values in file order as the file writes them (Booleans 1/0), without range tests.
std::array<std::int32_t, OptionCount> OptionValues(const TGameOptions& options);

// The 25 "KEY=VALUE" lines (each ending in "\n") that SaveOptions writes into "[OPTIONS]".
std::string FormatOptionLines(const TGameOptions& options);

// The packed form: exactly 55 bytes.
std::string OptionsToString(const TGameOptions& options);

// Reads the packed form back, every field unchanged (no clamping). Text shorter than 55 bytes
// never reads past its end: a 4-byte field cut short counts as if zero bytes stood in front
// of the bytes present, and a field wholly missing reads as 0 (Booleans false).
TGameOptions OptionsFromString(std::string_view packed);

// Rule-set files (*.st): INI text whose section "OPTIONS" holds the 25 keys. Sections and
// keys match without regard to case.

// Replaces every field of `options` from the file. A missing key, a missing file or a value
// that is not an integer gives the field's default; values out of range are brought into
// range. Never shows a message; returns true.
bool LoadOptions(const std::string& fileName, TGameOptions& options);

// Writes the 25 keys into section "OPTIONS", keeping every other section and key of an
// existing file. On failure the message names the file and the result is false.
bool SaveOptions(const std::string& fileName, const TGameOptions& options);

// The same two on INI text in memory: the record a file with this text loads as, and the
// text SaveOptions writes over a file that held `existing`.
TGameOptions OptionsFromIni(std::string_view text);
std::string OptionsToIni(const TGameOptions& options, std::string_view existing = {});
// The record brought into the ranges LoadOptions applies: rules that arrive packed (a saved
// game, the host of a network game) can carry any value, and the score rules' sums must stay
// far from overflowing.
TGameOptions OptionsInRange(const TGameOptions& options);
