#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <vector>

#include "base/cp1251.h"
#include "game/game.h"
#include "tests/game/game_test_access.h"
#include "tests/support/cli_runner.h"
#include "tests/support/scratch_dir.h"

namespace {

TCliRun RunCliErrors(const std::string& args) { return RunCli(args, "2>&1 >/dev/null"); }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(CliSave, PrintsPlayersCurrentAndRules) {
  TScratchDir dir;
  TGame game;
  TPlayer human;
  human.FName = Cp1251("Вася");
  game.AddPlayer(human);
  TPlayer bot;  // in the middle of a game, its score still counting up
  bot.FName = "Bot";
  bot.FKind = PlayerKindComputer;
  bot.FScore = 880;
  bot.FScoreDelta = 5;
  bot.FBolts = 2;
  bot.FBarrelTries = 1;
  bot.FBarrelFalls = 2;
  bot.FEntered = true;
  game.AddLoadedPlayer(bot);
  game.SetCurrentPlayer(1);
  SetRule(game, &TGameOptions::ENTERSCORE, 100);
  ASSERT_TRUE(game.SaveGame(dir.File("game.sav")));

  const TCliRun run = RunCli("save " + dir.File("game.sav"));
  EXPECT_EQ(run.Status, 0);
  const std::string expected =
      "player 0: name=Вася kind=0 level=0 total=0 bolts=0 barrel_tries=0 barrel_falls=0 entered=0\n"
      "player 1: name=Bot kind=1 level=0 total=885 bolts=2 barrel_tries=1 barrel_falls=2 entered=1\n"
      "current: 1\n" +
      FormatOptionLines(game.Options());
  EXPECT_EQ(run.Out, expected);
}

TEST(CliSave, RefusesWhatTheGameRefusesWithTheReason) {
  TScratchDir dir;
  TGame game;
  ASSERT_TRUE(game.SaveGame(dir.File("empty.sav")));
  const std::string good = dir.Read("empty.sav");
  dir.Write("magic.sav", "XOLVANE" + good.substr(7));
  std::string changed = good;
  changed.back() ^= 1;
  dir.Write("sum.sav", changed);
  dir.Write("short.sav", good.substr(0, 10));
  const struct {
    std::string Args;
    const char* Reason;
  } cases[] = {
      {"save " + dir.File("none.sav"), "missing"},
      {"save " + dir.File("magic.sav"), "magic"},
      {"save " + dir.File("sum.sav"), "checksum"},
      {"save " + dir.File("short.sav"), "truncated"},
      {"save", "give one saved game"},
      {"save a.sav b.sav", "give one saved game"},
  };
  for (const auto& c : cases) {
    const TCliRun run = RunCliErrors(c.Args);
    EXPECT_EQ(run.Status, 2) << c.Args;
    EXPECT_NE(run.Out.find(c.Reason), std::string::npos) << c.Args << ": " << run.Out;
  }
}

TEST(CliSimulate, PrintsTheLinesInOrderAndRepeatsItselfForASeed) {
  const TCliRun first = RunCli("simulate --games 12 --players 3 --seed 5");
  ASSERT_EQ(first.Status, 0);
  const std::vector<std::string> lines = Lines(first.Out);
  const char* keys[] = {"games: ",          "players: ",        "turns_mean: ",         "turns_median: ",
                        "wins_by_seat: ",   "bolt_penalties_per_game: ", "barrel_falls_per_game: ",
                        "score_wipes_per_game: ", "dump_trucks_per_game: ", "overtakes_per_game: ",
                        "throws_by_dice: ", "zero_throw_share: ", "games_per_second: ", "wins_by_level: "};
  ASSERT_EQ(lines.size(), std::size(keys));
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_TRUE(lines[i].starts_with(keys[i])) << lines[i];
  EXPECT_EQ(lines[0], "games: 12");
  EXPECT_EQ(lines[1], "players: 3");

  double shares = 0;
  std::istringstream wins(lines[4].substr(std::string("wins_by_seat: ").size()));
  for (std::string share; std::getline(wins, share, ',');) shares += std::stod(share);
  EXPECT_NEAR(shares, 1.0, 1e-3);

  EXPECT_EQ(lines[13], "wins_by_level: 0:1.0000");

  // Everything but the speed repeats, stepped or not.
  const auto withoutSpeed = [](std::vector<std::string> lines) {
    std::erase_if(lines, [](const std::string& line) { return line.starts_with("games_per_second: "); });
    return lines;
  };
  const TCliRun again = RunCli("simulate --players 3 --seed 5 --games 12");
  EXPECT_EQ(withoutSpeed(Lines(again.Out)), withoutSpeed(lines));
  const TCliRun stepped = RunCli("simulate --players 3 --seed 5 --games 12 --stepped");
  EXPECT_EQ(withoutSpeed(Lines(stepped.Out)), withoutSpeed(lines));
}

TEST(CliSimulate, LevelsAndRotationCountWinsByLevel) {
  const TCliRun fixed = RunCli("simulate --games 40 --players 3 --seed 3 --levels 2,0,1");
  ASSERT_EQ(fixed.Status, 0);
  const std::vector<std::string> lines = Lines(fixed.Out);
  std::vector<std::string> seats;
  std::istringstream wins(lines[4].substr(std::string("wins_by_seat: ").size()));
  for (std::string share; std::getline(wins, share, ',');) seats.push_back(share);
  ASSERT_EQ(seats.size(), 3U);
  // Without rotation each level keeps its seat: seat 0 plays level 2, seat 1 level 0, seat 2 level 1.
  EXPECT_EQ(lines.back(), "wins_by_level: 0:" + seats[1] + ",1:" + seats[2] + ",2:" + seats[0]);
  const TCliRun rotated = RunCli("simulate --games 40 --players 3 --seed 3 --levels 2,0,1 --rotate");
  EXPECT_NE(Lines(rotated.Out).back(), lines.back());

  const TCliRun json = RunCli("simulate --games 4 --players 2 --seed 1 --levels 0,2 --json");
  EXPECT_NE(json.Out.find(", \"wins_by_level\": {\"0\": "), std::string::npos) << json.Out;
  EXPECT_NE(json.Out.find(", \"2\": "), std::string::npos) << json.Out;
  EXPECT_TRUE(json.Out.ends_with("}}\n"));
}

TEST(CliSimulate, RefusesBadArguments) {
  for (const char* args : {"", "--games 10", "--players 4", "--games 0 --players 4", "--games 5 --players 1",
                           "--games 5 --players 7", "--games x --players 4", "--games 5 --players 4 --seed -1",
                           "--games 5 --players 4 --rules /no/such.st", "--games 5 --players 4 --fast",
                           "--games 5 --players", "--games 5 --players 2 --levels 0",
                           "--games 5 --players 2 --levels 0,x", "--games 5 --players 2 --levels 0,256",
                           "--games 5 --players 2 --levels 0,,2", "--games 5 --players 2 --levels"}) {
    const TCliRun run = RunCli(std::string("simulate ") + args);
    EXPECT_EQ(run.Status, 2) << args;
    EXPECT_TRUE(run.Out.empty()) << args;
  }
}

}  // namespace
