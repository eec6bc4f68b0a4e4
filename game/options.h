#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The 25 house rules. Fields carry the names of their rule-set file keys and stand in the
// order of the file and of the packed form. Booleans hold 0 or 1.
struct TGameOptions {
  bool IS_BOLTS = true;
  std::uint8_t BOLTSTOGODOWN = 3;
  std::int32_t BOLTSDOWNSCORE = 100;
  bool ISBOLTSINHOLES = false;
  bool ISBOLTSBEFOREENTER = false;
  bool ISBOLTSONBARREL = false;
  std::uint8_t BARRELSTYPE = 1;  // 0 no barrel, 1 score barrel, 2 open barrel
  std::int32_t BARRELSSCORE = 880;
  std::uint8_t BARRELSATTEMPT = 3;
  std::uint8_t BARRELSCOUNT = 3;
  std::uint8_t BARRELSDOWNSCORE = 100;
  bool ISONLYONEONBARREL = true;
  bool OPENBARRELLIMIT = true;
  bool ISHOLE1 = true;
  std::int32_t HOLE1SCORE1 = 200;
  std::int32_t HOLE1SCORE2 = 300;
  bool ISHOLE2 = true;
  std::int32_t HOLE2SCORE1 = 600;
  std::int32_t HOLE2SCORE2 = 700;
  bool NEEDENTERGAME = true;
  std::int32_t ENTERSCORE = 50;
  std::int32_t DUMPTRUCKSCORE = 555;
  bool ISMORE1000 = true;
  std::uint8_t OVERTAKINGSCORE = 50;
  bool NEEDDICEFORALLZARNIKS = true;

  bool operator==(const TGameOptions&) const = default;
};

inline constexpr std::size_t OptionCount = 25;
inline constexpr std::size_t PackedOptionsSize = 55;

// The rule-set file keys in file order.
extern const std::array<std::string_view, OptionCount> OptionKeys;

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
