#include <gtest/gtest.h>

#include "base/cp1251.h"
#include "game/options.h"
#include "tests/support/fake_message_box.h"
#include "tests/support/rules_at_bound.h"
#include "tests/support/scratch_dir.h"

namespace {

const char* const DefaultRuleSet =
    "[OPTIONS]\n"
    "IS_BOLTS=1\n"
    "BOLTSTOGODOWN=3\n"
    "BOLTSDOWNSCORE=100\n"
    "ISBOLTSINHOLES=0\n"
    "ISBOLTSBEFOREENTER=0\n"
    "ISBOLTSONBARREL=0\n"
    "BARRELSTYPE=1\n"
    "BARRELSSCORE=880\n"
    "BARRELSATTEMPT=3\n"
    "BARRELSCOUNT=3\n"
    "BARRELSDOWNSCORE=100\n"
    "ISONLYONEONBARREL=1\n"
    "OPENBARRELLIMIT=1\n"
    "ISHOLE1=1\n"
    "HOLE1SCORE1=200\n"
    "HOLE1SCORE2=300\n"
    "ISHOLE2=1\n"
    "HOLE2SCORE1=600\n"
    "HOLE2SCORE2=700\n"
    "NEEDENTERGAME=1\n"
    "ENTERSCORE=50\n"
    "DUMPTRUCKSCORE=555\n"
    "ISMORE1000=1\n"
    "OVERTAKINGSCORE=50\n"
    "NEEDDICEFORALLZARNIKS=1\n";

// Every field away from its default and within its range.
TGameOptions HouseRules() {
  TGameOptions o;
  o.IS_BOLTS = false;
  o.BOLTSTOGODOWN = 9;
  o.BOLTSDOWNSCORE = 250;
  o.ISBOLTSINHOLES = true;
  o.ISBOLTSBEFOREENTER = true;
  o.ISBOLTSONBARREL = true;
  o.BARRELSTYPE = 2;
  o.BARRELSSCORE = 990;
  o.BARRELSATTEMPT = 1;
  o.BARRELSCOUNT = 7;
  o.BARRELSDOWNSCORE = 200;
  o.ISONLYONEONBARREL = false;
  o.OPENBARRELLIMIT = false;
  o.ISHOLE1 = false;
  o.HOLE1SCORE1 = 50;
  o.HOLE1SCORE2 = 500;
  o.ISHOLE2 = false;
  o.HOLE2SCORE1 = 500;
  o.HOLE2SCORE2 = 800;
  o.NEEDENTERGAME = false;
  o.ENTERSCORE = 5;
  o.DUMPTRUCKSCORE = 995;
  o.ISMORE1000 = false;
  o.OVERTAKINGSCORE = 0;
  o.NEEDDICEFORALLZARNIKS = false;
  return o;
}

std::int32_t ValueOf(const TGameOptions& options, std::string_view key) {
  const auto position = std::find(OptionKeys.begin(), OptionKeys.end(), key);
  EXPECT_NE(position, OptionKeys.end()) << key;
  return OptionValues(options)[static_cast<std::size_t>(position - OptionKeys.begin())];
}

}  // namespace

TEST(OptionsFile, DefaultRecordWritesTheDefaultRuleSet) {
  EXPECT_EQ(OptionsToIni(TGameOptions{}), DefaultRuleSet);
  EXPECT_EQ("[OPTIONS]\n" + FormatOptionLines(TGameOptions{}), DefaultRuleSet);
}

TEST(OptionsFile, MissingFileOrEmptySectionLoadsTheDefaults) {
  TScratchDir dir;
  dir.Write("empty.st", "[OPTIONS]\n");
  TFakeMessageBox box;
  for (const char* name : {"empty.st", "absent.st"}) {
    TGameOptions options = HouseRules();
    EXPECT_TRUE(LoadOptions(dir.File(name), options));
    EXPECT_EQ(options, TGameOptions{}) << name;
  }
  EXPECT_TRUE(box.Texts.empty());
}

TEST(OptionsFile, SectionsAndKeysMatchWithoutRegardToCase) {
  const TGameOptions options = OptionsFromIni("[options]\nbarrelsscore=905\nIsHole1=0\n");
  EXPECT_EQ(options.BARRELSSCORE, 905);
  EXPECT_FALSE(options.ISHOLE1);

  // As a Windows editor saves it: byte order mark, CR LF, spaces around the equals sign.
  const TGameOptions windows = OptionsFromIni("\xEF\xBB\xBF[Options]\r\nBarrelsScore = 905\r\n");
  EXPECT_EQ(windows.BARRELSSCORE, 905);
}

TEST(OptionsFile, KeysOutsideTheSectionAreIgnored) {
  EXPECT_EQ(OptionsFromIni("[MAIN]\nBARRELSSCORE=905\n[OPTIONS2]\nENTERSCORE=10\n"), TGameOptions{});
}

// What a single written value loads as: integers brought into range, anything else the default.
TEST(OptionsFile, LoadedValuesAreBroughtIntoRange) {
  const struct {
    const char* Lines;
    const char* Key;
    std::int32_t Loaded;
  } cases[] = {
      {"BOLTSTOGODOWN=0", "BOLTSTOGODOWN", 1},
      {"BOLTSTOGODOWN=300", "BOLTSTOGODOWN", 9},  // low 8 bits 44
      {"BOLTSTOGODOWN=256", "BOLTSTOGODOWN", 1},  // low 8 bits 0
      {"BOLTSTOGODOWN=-1", "BOLTSTOGODOWN", 9},   // low 8 bits 255
      {"BOLTSTOGODOWN=7", "BOLTSTOGODOWN", 7},
      {"BARRELSATTEMPT=10", "BARRELSATTEMPT", 9},
      {"BARRELSCOUNT=0", "BARRELSCOUNT", 1},
      {"BARRELSTYPE=3", "BARRELSTYPE", 1},
      {"BARRELSTYPE=-1", "BARRELSTYPE", 1},
      {"BARRELSTYPE=0", "BARRELSTYPE", 0},
      {"BARRELSTYPE=2", "BARRELSTYPE", 2},
      {"BOLTSDOWNSCORE=-20", "BOLTSDOWNSCORE", 5},
      {"BOLTSDOWNSCORE=253", "BOLTSDOWNSCORE", 250},
      {"BOLTSDOWNSCORE=99", "BOLTSDOWNSCORE", 95},
      {"BARRELSSCORE=0", "BARRELSSCORE", 800},
      {"BARRELSSCORE=999", "BARRELSSCORE", 990},
      {"BARRELSSCORE=884", "BARRELSSCORE", 880},
      {"BARRELSDOWNSCORE=257", "BARRELSDOWNSCORE", 0},  // low 8 bits 1
      {"BARRELSDOWNSCORE=255", "BARRELSDOWNSCORE", 200},
      {"BARRELSDOWNSCORE=199", "BARRELSDOWNSCORE", 195},
      {"HOLE1SCORE1=10", "HOLE1SCORE1", 50},
      {"HOLE1SCORE1=401", "HOLE1SCORE1", 400},
      {"HOLE1SCORE2=501", "HOLE1SCORE2", 500},
      {"HOLE1SCORE1=400\nHOLE1SCORE2=300", "HOLE1SCORE1", 400},
      {"HOLE1SCORE1=400\nHOLE1SCORE2=300", "HOLE1SCORE2", 410},
      {"HOLE1SCORE1=250\nHOLE1SCORE2=250", "HOLE1SCORE2", 260},
      {"HOLE2SCORE1=499", "HOLE2SCORE1", 500},
      {"HOLE2SCORE2=801", "HOLE2SCORE2", 800},
      {"HOLE2SCORE1=700\nHOLE2SCORE2=600", "HOLE2SCORE1", 700},
      {"HOLE2SCORE1=700\nHOLE2SCORE2=600", "HOLE2SCORE2", 710},
      {"ENTERSCORE=0", "ENTERSCORE", 5},
      {"ENTERSCORE=204", "ENTERSCORE", 200},
      {"DUMPTRUCKSCORE=-2147483648", "DUMPTRUCKSCORE", 5},
      {"DUMPTRUCKSCORE=2147483647", "DUMPTRUCKSCORE", 995},
      {"DUMPTRUCKSCORE=333", "DUMPTRUCKSCORE", 330},
      {"OVERTAKINGSCORE=151", "OVERTAKINGSCORE", 150},
      {"OVERTAKINGSCORE=256", "OVERTAKINGSCORE", 0},
      {"OVERTAKINGSCORE=77", "OVERTAKINGSCORE", 75},
      {"ISHOLE1=2", "ISHOLE1", 1},
      {"ISHOLE1=-7", "ISHOLE1", 1},
      {"ISHOLE1=0", "ISHOLE1", 0},
      {"ISBOLTSINHOLES=1", "ISBOLTSINHOLES", 1},
      // Not integers: the default.
      {"ISHOLE1=yes", "ISHOLE1", 1},
      {"ENTERSCORE=", "ENTERSCORE", 50},
      {"ENTERSCORE=1e2", "ENTERSCORE", 50},
      {"ENTERSCORE=0x20", "ENTERSCORE", 50},
      {"ENTERSCORE=20 points", "ENTERSCORE", 50},
      {"ENTERSCORE=++20", "ENTERSCORE", 50},
      {"ENTERSCORE=+-20", "ENTERSCORE", 50},
      {"ENTERSCORE=2147483648", "ENTERSCORE", 50},
      {"ENTERSCORE=-2147483649", "ENTERSCORE", 50},
      {"BOLTSTOGODOWN=x", "BOLTSTOGODOWN", 3},
      // Integers with spaces or a plus sign.
      {"ENTERSCORE=   +120   ", "ENTERSCORE", 120},
      {"ENTERSCORE=\t-0", "ENTERSCORE", 5},
      {"ENTERSCORE=0000100", "ENTERSCORE", 100},
      {"ENTERSCORE=\"100\"", "ENTERSCORE", 100},
      // A key given twice counts with its first value.
      {"ENTERSCORE=100\nENTERSCORE=150\n[OPTIONS]\nENTERSCORE=175", "ENTERSCORE", 100},
  };
  for (const auto& c : cases) {
    const TGameOptions options = OptionsFromIni(std::string("[OPTIONS]\n") + c.Lines + "\n");
    EXPECT_EQ(ValueOf(options, c.Key), c.Loaded) << c.Lines;
  }
}

TEST(OptionsFile, SavedRulesLoadBackUnchanged) {
  TScratchDir dir;
  const TGameOptions rules = HouseRules();
  ASSERT_TRUE(SaveOptions(dir.File("house.st"), rules));
  TGameOptions loaded;
  ASSERT_TRUE(LoadOptions(dir.File("house.st"), loaded));
  EXPECT_EQ(loaded, rules);
}

TEST(OptionsFile, SavingWritesValuesAsTheyStandWithoutRangeTests) {
  TGameOptions options;
  options.BOLTSTOGODOWN = 0;
  options.ENTERSCORE = -3;
  const std::string text = OptionsToIni(options);
  EXPECT_NE(text.find("\nBOLTSTOGODOWN=0\n"), std::string::npos);
  EXPECT_NE(text.find("\nENTERSCORE=-3\n"), std::string::npos);
}

TEST(OptionsFile, SavingKeepsOtherSectionsAndKeys) {
  TScratchDir dir;
  dir.Write("mine.st",
            "; my table's rules\n"
            "[Main]\nOPTIONSFILE=classic.st\n"
            "[options]\nis_bolts=0\nCOMMENT=friday games\nENTERSCORE=75\n");
  const TGameOptions rules = HouseRules();
  ASSERT_TRUE(SaveOptions(dir.File("mine.st"), rules));

  const std::string text = dir.Read("mine.st");
  for (const char* kept : {"; my table's rules", "[Main]", "OPTIONSFILE=classic.st", "COMMENT=friday games"}) {
    EXPECT_NE(text.find(kept), std::string::npos) << kept;
  }
  // Existing keys are rewritten in place, not repeated.
  EXPECT_EQ(text.find("IS_BOLTS"), std::string::npos);
  EXPECT_EQ(text.find("ENTERSCORE"), text.rfind("ENTERSCORE"));
  TGameOptions loaded;
  LoadOptions(dir.File("mine.st"), loaded);
  EXPECT_EQ(loaded, rules);
}

TEST(OptionsFile, UnwritableFileIsReportedByName) {
  TScratchDir dir;
  TFakeMessageBox box;
  const std::string fileName = dir.File("нет/rules.st");
  EXPECT_FALSE(SaveOptions(fileName, TGameOptions{}));
  ASSERT_EQ(box.Texts.size(), 1u);
  EXPECT_EQ(Utf8(box.Texts[0]), "Ошибка записи в файл " + fileName);
}

TEST(OptionsPacked, DefaultRecordPacksByteForByte) {
  const std::string expected(
      "1\x03" "\x64\x00\x00\x00" "000\x01" "\x70\x03\x00\x00" "\x03\x03" "\x64\x00\x00\x00"
      "111" "\xC8\x00\x00\x00" "\x2C\x01\x00\x00" "1" "\x58\x02\x00\x00" "\xBC\x02\x00\x00"
      "1" "\x32\x00\x00\x00" "\x2B\x02\x00\x00" "1" "\x32\x00\x00\x00" "1",
      PackedOptionsSize);
  EXPECT_EQ(OptionsToString(TGameOptions{}), expected);
  EXPECT_EQ(OptionsFromString(expected), TGameOptions{});
}

TEST(OptionsPacked, EveryFieldSurvivesARoundTrip) {
  const TGameOptions rules = HouseRules();
  const std::string packed = OptionsToString(rules);
  EXPECT_EQ(packed.size(), PackedOptionsSize);
  EXPECT_EQ(OptionsFromString(packed), rules);
}

TEST(OptionsPacked, ReadingTakesFieldsUnchanged) {
  std::string packed = OptionsToString(TGameOptions{});
  packed[0] = 'Y';                    // IS_BOLTS: only "1" is true
  packed[1] = '\xC8';                 // BOLTSTOGODOWN 200, no clamping
  packed.replace(16, 4, "\xFF\x01\x00\x00", 4);  // BARRELSDOWNSCORE: low 8 bits of 511
  packed.replace(41, 4, "\x03\x00\x00\x00", 4);  // ENTERSCORE 3
  const TGameOptions options = OptionsFromString(packed);
  EXPECT_FALSE(options.IS_BOLTS);
  EXPECT_EQ(options.BOLTSTOGODOWN, 200);
  EXPECT_EQ(options.BARRELSDOWNSCORE, 255);
  EXPECT_EQ(options.ENTERSCORE, 3);
}

TEST(OptionsPacked, ShortTextNeverReadsPastItsEnd) {
  const std::string packed = OptionsToString(TGameOptions{});
  // Every prefix reads without touching a byte beyond it (checked by the sanitizer build).
  for (std::size_t size = 0; size < PackedOptionsSize; ++size) {
    const std::string prefix = packed.substr(0, size);
    OptionsFromString(prefix);
  }
  const TGameOptions nothing = OptionsFromString("");
  EXPECT_EQ(OptionsToString(nothing).find_first_not_of(std::string("0\0", 2)), std::string::npos);

  // A 4-byte field cut short: the bytes present are its high end; the rest reads as zero.
  const TGameOptions cut = OptionsFromString(packed.substr(0, 4));
  EXPECT_TRUE(cut.IS_BOLTS);
  EXPECT_EQ(cut.BOLTSTOGODOWN, 3);
  EXPECT_EQ(cut.BOLTSDOWNSCORE, 0x00640000);
  EXPECT_FALSE(cut.ISBOLTSINHOLES);
  EXPECT_EQ(cut.BARRELSSCORE, 0);

  TGameOptions lastMissing = OptionsFromString(packed.substr(0, PackedOptionsSize - 1));
  EXPECT_FALSE(lastMissing.NEEDDICEFORALLZARNIKS);
  lastMissing.NEEDDICEFORALLZARNIKS = true;
  EXPECT_EQ(lastMissing, TGameOptions{});
}

// Packed rules from a saved game or a host: in range they stay, out of range they get the
// rule-set file's bounds.
TEST(OptionsPacked, InRangeKeepsGoodRulesAndBoundsTheRest) {
  TGameOptions rules;
  rules.BARRELSTYPE = 2;
  rules.HOLE2SCORE1 = 650;
  EXPECT_EQ(OptionsInRange(rules), rules);
  rules.BARRELSSCORE = INT32_MAX;
  rules.BOLTSDOWNSCORE = INT32_MIN;
  rules.ENTERSCORE = 77;
  const TGameOptions bounded = OptionsInRange(rules);
  EXPECT_EQ(bounded.BARRELSSCORE, 990);
  EXPECT_EQ(bounded.BOLTSDOWNSCORE, 5);
  EXPECT_EQ(bounded.ENTERSCORE, 75);
  EXPECT_EQ(bounded.HOLE2SCORE1, 650);
}

TEST(OptionsTable, EveryRuleAtItsBoundsSurvivesTheFileThePackedFormAndTheRangeCheck) {
  for (const auto bound : {&TOptionRule::Min, &TOptionRule::Max}) {
    const TGameOptions rules = RulesAtBound(bound);
    EXPECT_EQ(OptionsFromIni(OptionsToIni(rules)), rules);
    EXPECT_EQ(OptionsFromString(OptionsToString(rules)), rules);
    EXPECT_EQ(OptionsInRange(rules), rules);
  }
}

// One step above the top: a number comes back to its bound, a choice names nothing and gives
// its default.
TEST(OptionsTable, EveryRuleLoadsAValuePastItsTopAsTheTopOrItsChoiceDefault) {
  for (const TOptionRule& rule : OptionRules) {
    const std::string line = std::string(rule.Key) + "=" + std::to_string(rule.Max + rule.Step);
    const std::int32_t expected = rule.Special == TOptionSpecial::Choice ? rule.Default : rule.Max;
    EXPECT_EQ(ValueOf(OptionsFromIni("[OPTIONS]\n" + line + "\n"), rule.Key), expected) << line;
  }
}
