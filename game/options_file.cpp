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

constexpr const char* kSection = "OPTIONS";

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
  std::int32_t Value(std::string_view key, std::int32_t fallback) const {
    const char* text = FIni.GetValue(kSection, std::string(key).c_str());
    const auto value = text ? ParseInteger(text) : std::nullopt;
    return value.value_or(fallback);
  }

private:
  const CSimpleIniA& FIni;
};

std::string ReadQuietly(const std::string& fileName) {
  std::ifstream file(fileName, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Every field from `valueOf(rule)`, brought into the ranges of a loaded rule set: the field
// keeps what it can hold, then the value is clamped to the rule's bounds and rounded down to
// its step. Rules are taken in table order, so a span's lower end is settled before its upper.
template <typename TValueOf>
TGameOptions OptionsWithinRanges(const TValueOf& valueOf) {
  TGameOptions options;
  for (std::size_t i = 0; i < OptionCount; ++i) {
    const TOptionRule& rule = OptionRules[i];
    std::int32_t value = valueOf(rule);
    if (rule.Special == TOptionSpecial::Choice && (value < rule.Min || value > rule.Max)) value = rule.Default;
    rule.Set(options, value);
    value = std::clamp(rule.Get(options), rule.Min, rule.Max);
    value -= value % rule.Step;
    if (rule.Special == TOptionSpecial::AbovePrevious) {
      const std::int32_t lower = OptionRules[i - 1].Get(options);
      if (lower >= value) value = lower + SpanGap;
    }
    rule.Set(options, value);
  }
  return options;
}

}  // namespace

TGameOptions OptionsFromIni(std::string_view text) {
  CSimpleIniA ini;
  ini.SetMultiKey(true);  // a key given twice counts with its first value, as INI readers do
  ini.SetQuotes(true);    // and a value in double quotes counts without them
  ini.LoadData(text.data(), text.size());
  const TOptionReader reader(ini);
  return OptionsWithinRanges([&reader](const TOptionRule& rule) { return reader.Value(rule.Key, rule.Default); });
}

TGameOptions OptionsInRange(const TGameOptions& options) {
  return OptionsWithinRanges([&options](const TOptionRule& rule) { return rule.Get(options); });
}

std::string OptionsToIni(const TGameOptions& options, std::string_view existing) {
  CSimpleIniA ini;
  ini.SetSpaces(false);
  ini.LoadData(existing.data(), existing.size());
  for (const TOptionRule& rule : OptionRules) {
    const std::string key(rule.Key);
    ini.SetValue(kSection, key.c_str(), std::to_string(rule.Get(options)).c_str());
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
