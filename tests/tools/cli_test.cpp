#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "game/options.h"
#include "tests/support/cli_runner.h"
#include "tests/support/scratch_dir.h"

TEST(CliScore, PrintsPointsSetAndScoringDice) {
  const struct {
    const char* Args;
    const char* Out;
  } cases[] = {
      {"1 1 1 5 2", "points=105 set=1 scoring=0,1,2,3\n"},
      {"2 3 4 6 6", "points=0 set=0 scoring=\n"},
      {"6 5", "points=5 set=0 scoring=1\n"},
  };
  for (const auto& c : cases) {
    const TCliRun run = RunCli(std::string("score ") + c.Args);
    EXPECT_EQ(run.Status, 0) << c.Args;
    EXPECT_EQ(run.Out, c.Out) << c.Args;
  }
}

TEST(CliScore, RefusesBadFacesWithStatus2) {
  for (const char* args : {"", "0", "7", "1 2 3 4 5 6", "x", "1 2 12", "-1", "' 3'"}) {
    const TCliRun run = RunCli(std::string("score ") + args);
    EXPECT_EQ(run.Status, 2) << args;
    EXPECT_EQ(run.Out, "") << args;
  }
}

TEST(CliRules, PrintsTheLoadedRulesOrTheirPackedForm) {
  TScratchDir dir;
  dir.Write("house.st", "[options]\nENTERSCORE=999\nisHole2=0\n");
  TGameOptions expected;
  expected.ENTERSCORE = 200;
  expected.ISHOLE2 = false;

  EXPECT_EQ(RunCli("rules " + dir.File("house.st")).Out, FormatOptionLines(expected));

  const TCliRun packed = RunCli("rules --packed " + dir.File("house.st"));
  EXPECT_EQ(packed.Status, 0);
  ASSERT_EQ(packed.Out.size(), 2 * PackedOptionsSize + 1);
  EXPECT_EQ(packed.Out.substr(0, 12), "310364000000");
  EXPECT_EQ(packed.Out.substr(2 * 41, 8), "c8000000");  // ENTERSCORE 200
}

TEST(CliRules, RefusesAFileItCannotRead) {
  TScratchDir dir;
  std::filesystem::create_directory(dir.File("folder.st"));
  for (const std::string name : {"absent.st", "folder.st"}) {
    EXPECT_EQ(RunCli("rules " + dir.File(name)).Status, 2) << name;
    const TCliRun said = RunCli("rules " + dir.File(name), "2>&1 >/dev/null");
    EXPECT_EQ(said.Out, "rules: cannot read " + dir.File(name) + "\n") << name;
  }
}

TEST(Cli, UsageErrorsAndHelp) {
  const struct {
    const char* Args;
    int Status;
  } cases[] = {
      {"", 2}, {"nonsense", 2}, {"rules", 2}, {"rules a.st b.st", 2}, {"rules --bogus a.st", 2},
      {"demo extra", 2}, {"--help", 0}, {"--version", 0}, {"score --help", 0}, {"rules --help", 0}, {"demo --help", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(RunCli(c.Args).Status, c.Status) << c.Args;
  EXPECT_NE(RunCli("--help").Out.find("score"), std::string::npos);
  EXPECT_EQ(RunCli("--version").Out, "thousand-cli " THOUSAND_PROJECT_VERSION "\n");
}

TEST(Cli, DemoPrintsAFewScoredThrows) {
  const TCliRun run = RunCli("demo");
  EXPECT_EQ(run.Status, 0);
  EXPECT_EQ(std::count(run.Out.begin(), run.Out.end(), '\n'), 6);
  EXPECT_NE(run.Out.find("Бросок 5:"), std::string::npos);
}
