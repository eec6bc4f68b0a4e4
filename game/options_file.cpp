// Rule-set files: the INI text of section "OPTIONS" and the ranges a loaded value is brought into.
#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>

#define SI_NO_CONVERSION   // the texts are bytes; nothing to convert
#define SI_IMPLEMENTATION  // the library is used header-only, from this file alone
#include <SimpleIni.h>

#include "game/options.h"
#include "gfx/file_io.h"

namespace {

constexpr const char* Section = "OPTIONS";

// An optional sign and decimal digits within signed 32 bits, spaces around allowed.
std::optional<std::int32_t> ParseInteger(std::string_view text) {
  const auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  // from_chars takes a minus sign but no plus sign.
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  }
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

class TOptionReader {
public:
  explicit TOptionReader(const CSimpleIniA& ini) : FIni(ini) {}
  std::int32_t Value(const char* key, std::int32_t fallback) const {
    const char* text = FIni.GetValue(Section, key);
    const auto value = text ? ParseInteger(text) : std::nullopt;
    return value.value_or(fallback);
  }

private:
  const CSimpleIniA& FIni;
};

std::int32_t RoundDownTo5(std::int32_t value) { return value - value % 5; }

std::int32_t ScoreInRange(std::int32_t value, std::int32_t low, std::int32_t high) {
  return RoundDownTo5(std::clamp(value, low, high));
}

// Bolts to go down, barrel attempts and barrel count: the low 8 bits, then 1..9.
std::uint8_t CountInRange(std::int32_t value) {
  const auto count = static_cast<std::uint8_t>(value);
  return std::clamp<std::uint8_t>(count, 1, 9);
}

// Barrel fall and overtaking penalties: the low 8 bits, capped, rounded down.
std::uint8_t SmallScoreInRange(std::int32_t value, std::uint8_t high) {
  return static_cast<std::uint8_t>(RoundDownTo5(std::min(static_cast<std::uint8_t>(value), high)));
}

std::uint8_t BarrelTypeInRange(std::int32_t value) {
  return static_cast<std::uint8_t>(value < 0 || value > 2 ? 1 : value);
}

// The upper bound of a hole must lie above its lower bound.
std::int32_t HoleTopAbove(std::int32_t bottom, std::int32_t top) {
  return bottom >= top ? bottom + 10 : top;
}

std::string ReadQuietly(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Every field from `valueOf(key, default)`, brought into the ranges of a loaded rule set.
template <typename TValueOf>
TGameOptions OptionsWithinRanges(const TValueOf& valueOf) {
  const TGameOptions defaults;
#define OPTION_VALUE(field) valueOf(#field, defaults.field)
  TGameOptions o;
  o.IS_BOLTS = OPTION_VALUE(IS_BOLTS) != 0;
  o.BOLTSTOGODOWN = CountInRange(OPTION_VALUE(BOLTSTOGODOWN));
  o.BOLTSDOWNSCORE = ScoreInRange(OPTION_VALUE(BOLTSDOWNSCORE), 5, 250);
  o.ISBOLTSINHOLES = OPTION_VALUE(ISBOLTSINHOLES) != 0;
  o.ISBOLTSBEFOREENTER = OPTION_VALUE(ISBOLTSBEFOREENTER) != 0;
  o.ISBOLTSONBARREL = OPTION_VALUE(ISBOLTSONBARREL) != 0;
  o.BARRELSTYPE = BarrelTypeInRange(OPTION_VALUE(BARRELSTYPE));
  o.BARRELSSCORE = ScoreInRange(OPTION_VALUE(BARRELSSCORE), 800, 990);
  o.BARRELSATTEMPT = CountInRange(OPTION_VALUE(BARRELSATTEMPT));
  o.BARRELSCOUNT = CountInRange(OPTION_VALUE(BARRELSCOUNT));
  o.BARRELSDOWNSCORE = SmallScoreInRange(OPTION_VALUE(BARRELSDOWNSCORE), 200);
  o.ISONLYONEONBARREL = OPTION_VALUE(ISONLYONEONBARREL) != 0;
  o.OPENBARRELLIMIT = OPTION_VALUE(OPENBARRELLIMIT) != 0;
  o.ISHOLE1 = OPTION_VALUE(ISHOLE1) != 0;
  o.HOLE1SCORE1 = ScoreInRange(OPTION_VALUE(HOLE1SCORE1), 50, 400);
  o.HOLE1SCORE2 = HoleTopAbove(o.HOLE1SCORE1, ScoreInRange(OPTION_VALUE(HOLE1SCORE2), 100, 500));
  o.ISHOLE2 = OPTION_VALUE(ISHOLE2) != 0;
  o.HOLE2SCORE1 = ScoreInRange(OPTION_VALUE(HOLE2SCORE1), 500, 700);
  o.HOLE2SCORE2 = HoleTopAbove(o.HOLE2SCORE1, ScoreInRange(OPTION_VALUE(HOLE2SCORE2), 550, 800));
  o.NEEDENTERGAME = OPTION_VALUE(NEEDENTERGAME) != 0;
  o.ENTERSCORE = ScoreInRange(OPTION_VALUE(ENTERSCORE), 5, 200);
  o.DUMPTRUCKSCORE = ScoreInRange(OPTION_VALUE(DUMPTRUCKSCORE), 5, 995);
  o.ISMORE1000 = OPTION_VALUE(ISMORE1000) != 0;
  o.OVERTAKINGSCORE = SmallScoreInRange(OPTION_VALUE(OVERTAKINGSCORE), 150);
  o.NEEDDICEFORALLZARNIKS = OPTION_VALUE(NEEDDICEFORALLZARNIKS) != 0;
#undef OPTION_VALUE
  return o;
}

}  // namespace

TGameOptions OptionsFromIni(std::string_view text) {
  CSimpleIniA ini;
  ini.SetMultiKey(true);  // a key given twice counts with its first value, as INI readers do
  ini.SetQuotes(true);    // and a value in double quotes counts without them
  ini.LoadData(text.data(), text.size());
  const TOptionReader reader(ini);
  return OptionsWithinRanges([&](const char* key, std::int32_t fallback) { return reader.Value(key, fallback); });
}

TGameOptions OptionsInRange(const TGameOptions& options) {
  const auto values = OptionValues(options);
  return OptionsWithinRanges([&](std::string_view key, std::int32_t) {
    const auto at = std::find(OptionKeys.begin(), OptionKeys.end(), key);
    return values[static_cast<std::size_t>(at - OptionKeys.begin())];
  });
}

std::string OptionsToIni(const TGameOptions& options, std::string_view existing) {
  CSimpleIniA ini;
  ini.SetSpaces(false);
  ini.LoadData(existing.data(), existing.size());
  const auto values = OptionValues(options);
  for (std::size_t i = 0; i < OptionCount; ++i) {
    const std::string key(OptionKeys[i]);
    ini.SetValue(Section, key.c_str(), std::to_string(values[i]).c_str());
  }
  std::string text;
  ini.Save(text);
  return text;
}

bool LoadOptions(const std::string& fileName, TGameOptions& options) {
  options = OptionsFromIni(ReadQuietly(fileName));
  return true;
}

bool SaveOptions(const std::string& fileName, const TGameOptions& options) {
  return WriteStringToFile(fileName, OptionsToIni(options, ReadQuietly(fileName)));
}
