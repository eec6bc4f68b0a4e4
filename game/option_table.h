#pragma once

// The 25 house rules: the record the game plays by and the table that describes each of its
// fields once. The rule-set file, the packed form, the ranges of loaded rules and the editor's
// controls are all derived from OptionRules.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>
#include <variant>

// Fields carry the names of their rule-set file keys and stand in the order of the file and of
// the packed form. Booleans hold 0 or 1. The defaults are in OptionRules.
struct TGameOptions {
  bool IS_BOLTS;
  std::uint8_t BOLTSTOGODOWN;
  std::int32_t BOLTSDOWNSCORE;
  bool ISBOLTSINHOLES;
  bool ISBOLTSBEFOREENTER;
  bool ISBOLTSONBARREL;
  std::uint8_t BARRELSTYPE;  // 0 no barrel, 1 score barrel, 2 open barrel
  std::int32_t BARRELSSCORE;
  std::uint8_t BARRELSATTEMPT;
  std::uint8_t BARRELSCOUNT;
  std::uint8_t BARRELSDOWNSCORE;
  bool ISONLYONEONBARREL;
  bool OPENBARRELLIMIT;
  bool ISHOLE1;
  std::int32_t HOLE1SCORE1;
  std::int32_t HOLE1SCORE2;
  bool ISHOLE2;
  std::int32_t HOLE2SCORE1;
  std::int32_t HOLE2SCORE2;
  bool NEEDENTERGAME;
  std::int32_t ENTERSCORE;
  std::int32_t DUMPTRUCKSCORE;
  bool ISMORE1000;
  std::uint8_t OVERTAKINGSCORE;
  bool NEEDDICEFORALLZARNIKS;

  constexpr TGameOptions();  // every rule at its default
  bool operator==(const TGameOptions&) const = default;
};

// What a rule's range alone does not say about the values it takes.
enum class TOptionSpecial : std::uint8_t {
  None,
  // One of a few named choices, Min to Max: any other number names none of them, so it gives
  // the default rather than the nearest bound. The editor offers the choices by name.
  Choice,
  // The upper end of a span whose lower end is the rule just before it: a value at or below
  // the lower end becomes the lower end + SpanGap.
  AbovePrevious,
};

inline constexpr std::int32_t SpanGap = 10;

using TOptionField =
    std::variant<bool TGameOptions::*, std::uint8_t TGameOptions::*, std::int32_t TGameOptions::*>;

struct TOptionRule {
  std::string_view Key;  // the rule-set file key, which is also the field's name
  TOptionField Field;
  std::size_t PackedWidth;  // bytes in the packed form
  std::int32_t Default;
  std::int32_t Min;
  std::int32_t Max;
  std::int32_t Step;  // a loaded value is a multiple of it; the editor's arrows move by it
  TOptionSpecial Special = TOptionSpecial::None;

  constexpr bool IsFlag() const { return std::holds_alternative<bool TGameOptions::*>(Field); }

  constexpr std::int32_t Get(const TGameOptions& options) const {
    return std::visit([&options](auto member) -> std::int32_t { return options.*member; }, Field);
  }

  // Stores what the field can hold: an 8-bit field keeps the low byte, a Boolean whether the
  // value is non-zero.
  constexpr void Set(TGameOptions& options, std::int32_t value) const {
    std::visit(
        [&options, value]<typename TValue>(TValue TGameOptions::*member) { options.*member = static_cast<TValue>(value); },
        Field);
  }
};

// The key is the field's name.
#define OPTION_FIELD(name) #name, &TGameOptions::name

// In the order of the rule-set file and of the packed form.
inline constexpr auto OptionRules = std::to_array<TOptionRule>({
    // key and field                      width default min  max  step
    {OPTION_FIELD(IS_BOLTS),              1,    1,      0,   1,   1},
    {OPTION_FIELD(BOLTSTOGODOWN),         1,    3,      1,   9,   1},
    {OPTION_FIELD(BOLTSDOWNSCORE),        4,    100,    5,   250, 5},
    {OPTION_FIELD(ISBOLTSINHOLES),        1,    0,      0,   1,   1},
    {OPTION_FIELD(ISBOLTSBEFOREENTER),    1,    0,      0,   1,   1},
    {OPTION_FIELD(ISBOLTSONBARREL),       1,    0,      0,   1,   1},
    {OPTION_FIELD(BARRELSTYPE),           1,    1,      0,   2,   1, TOptionSpecial::Choice},
    {OPTION_FIELD(BARRELSSCORE),          4,    880,    800, 990, 5},
    {OPTION_FIELD(BARRELSATTEMPT),        1,    3,      1,   9,   1},
    {OPTION_FIELD(BARRELSCOUNT),          1,    3,      1,   9,   1},
    {OPTION_FIELD(BARRELSDOWNSCORE),      4,    100,    0,   200, 5},
    {OPTION_FIELD(ISONLYONEONBARREL),     1,    1,      0,   1,   1},
    {OPTION_FIELD(OPENBARRELLIMIT),       1,    1,      0,   1,   1},
    {OPTION_FIELD(ISHOLE1),               1,    1,      0,   1,   1},
    {OPTION_FIELD(HOLE1SCORE1),           4,    200,    50,  400, 5},
    {OPTION_FIELD(HOLE1SCORE2),           4,    300,    100, 500, 5, TOptionSpecial::AbovePrevious},
    {OPTION_FIELD(ISHOLE2),               1,    1,      0,   1,   1},
    {OPTION_FIELD(HOLE2SCORE1),           4,    600,    500, 700, 5},
    {OPTION_FIELD(HOLE2SCORE2),           4,    700,    550, 800, 5, TOptionSpecial::AbovePrevious},
    {OPTION_FIELD(NEEDENTERGAME),         1,    1,      0,   1,   1},
    {OPTION_FIELD(ENTERSCORE),            4,    50,     5,   200, 5},
    {OPTION_FIELD(DUMPTRUCKSCORE),        4,    555,    5,   995, 5},
    {OPTION_FIELD(ISMORE1000),            1,    1,      0,   1,   1},
    {OPTION_FIELD(OVERTAKINGSCORE),       4,    50,     0,   150, 5},
    {OPTION_FIELD(NEEDDICEFORALLZARNIKS), 1,    1,      0,   1,   1},
});

#undef OPTION_FIELD

constexpr TGameOptions::TGameOptions() {
  for (const TOptionRule& rule : OptionRules) rule.Set(*this, rule.Default);
}

inline constexpr std::size_t OptionCount = OptionRules.size();

inline constexpr std::size_t PackedOptionsSize = [] {
  std::size_t size = 0;
  for (const TOptionRule& rule : OptionRules) size += rule.PackedWidth;
  return size;
}();
static_assert(PackedOptionsSize == 55, "saved games and network messages carry the rules in 55 bytes");

// A Boolean packs as one character, an 8-bit field as one byte or four, a 32-bit field as four;
// the bounds fit the field and are multiples of the step, so rounding down stays in range; the
// default is a value the loader keeps; a span's upper end follows its lower end and its
// default lies above the lower end's.
constexpr bool IsWellFormedRule(std::size_t index) {
  const TOptionRule& rule = OptionRules[index];
  const bool fitsField = std::visit(
      [&rule]<typename TValue>(TValue TGameOptions::*) {
        if constexpr (std::is_same_v<TValue, bool>) return rule.PackedWidth == 1 && rule.Min == 0 && rule.Max == 1;
        if constexpr (std::is_same_v<TValue, std::uint8_t>)
          return (rule.PackedWidth == 1 || rule.PackedWidth == 4) && rule.Max <= 255;
        return rule.PackedWidth == 4;
      },
      rule.Field);
  return fitsField && rule.Step > 0 && 0 <= rule.Min && rule.Min <= rule.Max && rule.Min % rule.Step == 0 &&
         rule.Max % rule.Step == 0 && rule.Min <= rule.Default && rule.Default <= rule.Max &&
         rule.Default % rule.Step == 0 &&
         (rule.Special != TOptionSpecial::AbovePrevious || (index > 0 && OptionRules[index - 1].Default < rule.Default));
}

static_assert([] {
  for (std::size_t i = 0; i < OptionCount; ++i)
    if (!IsWellFormedRule(i)) return false;
  return true;
}());

// The rule with this key, or null.
constexpr const TOptionRule* FindOptionRule(std::string_view key) {
  for (const TOptionRule& rule : OptionRules)
    if (rule.Key == key) return &rule;
  return nullptr;
}
