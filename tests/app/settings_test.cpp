#include <gtest/gtest.h>

#include <string>

#include "app/settings.h"
#include "tests/support/container_test_files.h"
#include "game/options.h"
#include "tests/support/scratch_dir.h"
#include "tests/app/window_fixture.h"

namespace {

struct TSettingsCase {
  const char* Name;
  const char* Ini;       // nullptr: no settings file
  const char* Expected;  // "~" stands for the executable's folder
  friend void PrintTo(const TSettingsCase& c, std::ostream* out) { *out << c.Name; }
};

class OptionsFilePathTest : public ::testing::TestWithParam<TSettingsCase> {};

TEST_P(OptionsFilePathTest, ResolvesTheNamedRuleSet) {
  TScratchDir folder;
  if (GetParam().Ini) folder.Write("tolvane.ini", GetParam().Ini);
  std::string expected = GetParam().Expected;
  if (expected.starts_with("~")) expected = folder.Path().string() + expected.substr(1);
  EXPECT_EQ(OptionsFilePath(folder.Path().string()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OptionsFilePathTest,
    ::testing::Values(TSettingsCase{"NoFile", nullptr, "~/classic.st"},
                      TSettingsCase{"NoKey", "[MAIN]\nOTHER=1\n", "~/classic.st"},
                      TSettingsCase{"OtherSection", "[RULES]\nOPTIONSFILE=x.st\n", "~/classic.st"},
                      TSettingsCase{"BareName", "[MAIN]\nOPTIONSFILE=strict.st\n", "~/strict.st"},
                      TSettingsCase{"KeyCaseIgnored", "[main]\noptionsfile=strict.st\n", "~/strict.st"},
                      TSettingsCase{"RelativeFolder", "[MAIN]\nOPTIONSFILE=rules/strict.st\n", "rules/strict.st"},
                      TSettingsCase{"AbsolutePath", "[MAIN]\nOPTIONSFILE=/srv/rules/a.st\n", "/srv/rules/a.st"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(WindowPlacement, AKeptWindowComesBackAndDamagedValuesReadAsNeverKept) {
  TScratchDir folder;
  const std::string path = folder.Path().string();
  EXPECT_EQ(ReadWindowPlacement(path), TWindowPlacement{}) << "no file";
  for (const TWindowPlacement kept : {TWindowPlacement{1800, 1260, false}, TWindowPlacement{1234, 987, true}}) {
    ASSERT_TRUE(WriteWindowPlacement(path, kept));
    EXPECT_EQ(ReadWindowPlacement(path), kept);
  }
  struct TCase {
    const char* Ini;
    TWindowPlacement Expected;
  };
  for (const TCase& c : {TCase{"[WINDOW]\nWIDTH=-5\nHEIGHT=900\n", {}}, TCase{"[WINDOW]\nWIDTH=wide\nHEIGHT=900\n", {}},
                         TCase{"[WINDOW]\nWIDTH=99999999\nHEIGHT=900\nFULLSCREEN=true\n", {0, 0, true}},
                         TCase{"[WINDOW]\nFULLSCREEN=1\n", {0, 0, true}}, TCase{"garbage\x01\xFF", {}}}) {
    folder.Write(WindowSettingsFileName, c.Ini);
    EXPECT_EQ(ReadWindowPlacement(path), c.Expected) << c.Ini;
  }
  EXPECT_FALSE(WriteWindowPlacement(path + "/no such folder", {1800, 1260, false}));
}

TEST(WindowPlacement, AKeptSizeIsBroughtWithinTheDesktop) {
  struct TCase {
    TWindowPlacement Kept;
    int UsableWidth, UsableHeight;
    TWindowPlacement Expected;
  };
  for (const TCase& c : {TCase{{1800, 1260, false}, 2560, 1400, {1800, 1260, false}},
                         TCase{{3000, 2000, true}, 1920, 1050, {1920, 1050, true}},  // a smaller screen now
                         TCase{{300, 200, false}, 1920, 1050, {600, 420, false}},    // below the picture
                         TCase{{1800, 1260, false}, 500, 400, {600, 420, false}},    // a desktop below the picture
                         TCase{{0, 0, true}, 1920, 1050, {0, 0, true}}})             // never kept: the first size
    EXPECT_EQ(FitPlacement(c.Kept, 600, 420, c.UsableWidth, c.UsableHeight), c.Expected)
        << c.Kept.Width << "x" << c.Kept.Height << " on " << c.UsableWidth << "x" << c.UsableHeight;
}

class StartupSettingsTest : public TWindowTest {};

TEST_F(StartupSettingsTest, LoadsTheNamedRuleSetFromTheExecutablesFolder) {
  TScratchDir folder;
  folder.Write("tolvane.ini", "[MAIN]\nOPTIONSFILE=strict.st\n");
  CopyRuntimeFiles(folder.Path(), {"strict.st"});
  auto form = MakeForm(folder.Path().string());
  EXPECT_EQ(form->Game->Options().ENTERSCORE, 75);
  EXPECT_TRUE(Messages.Texts.empty());
}

TEST_F(StartupSettingsTest, AMissingRuleSetKeepsTheBuiltInRulesSilently) {
  TScratchDir folder;
  folder.Write("tolvane.ini", "[MAIN]\nOPTIONSFILE=gone.st\n");
  auto form = MakeForm(folder.Path().string());
  EXPECT_EQ(form->Game->Options(), TGameOptions{});
  EXPECT_TRUE(Messages.Texts.empty());
}

// The rule sets shipped beside the executable load as the rule-set writer would write them.
TEST(ShippedRuleSets, ClassicHoldsTheDefaultsAndEveryExampleDiffers) {
  const std::string folder = THOUSAND_RUNTIME_DIR;
  TGameOptions classic;
  ASSERT_TRUE(LoadOptions(folder + "/classic.st", classic));
  EXPECT_EQ(classic, TGameOptions{});
  EXPECT_EQ(ReadWholeFile(folder + "/classic.st"), OptionsToIni(TGameOptions{}));
  for (const char* name : {"simple.st", "open_barrel.st", "strict.st"}) {
    TGameOptions options;
    ASSERT_TRUE(LoadOptions(folder + "/" + name, options));
    EXPECT_NE(options, TGameOptions{}) << name;
    EXPECT_EQ(ReadWholeFile(folder + "/" + name), OptionsToIni(options)) << name << " is not as the writer writes it";
  }
  EXPECT_EQ(OptionsFilePath(folder), folder + "/classic.st");
}

}  // namespace
