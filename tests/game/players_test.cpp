#include <gtest/gtest.h>

#include <stdexcept>

#include "base/byte_codec.h"
#include "base/cp1251.h"
#include "game/players.h"

namespace {

TPlayer FilledPlayer() {
  TPlayer player;
  player.FName = Cp1251("Игрок 1");
  player.FKind = PlayerKindComputer;
  player.FLevel = 2;
  player.FScore = 640;
  player.FScoreDelta = 35;
  player.FBolts = 2;
  player.FBarrelTries = 1;
  player.FBarrelFalls = 3;
  player.FEntered = true;
  return player;
}

// Ticks until the delta is shown, checking each step keeps Total.
int TicksToShow(TPlayers& players) {
  TPlayer& player = players.Player(0);
  const std::int32_t total = player.Total();
  int ticks = 0;
  while (player.FScoreDelta != 0 && ticks < 10000) {
    players.AnimateScores();
    ++ticks;
    EXPECT_EQ(player.Total(), total);
  }
  return ticks;
}

}  // namespace

TEST(Player, NewPlayerAndResetScore) {
  TPlayer player = FilledPlayer();
  player.FLocal = false;
  player.ResetScore();
  EXPECT_EQ(player.FScore, 0);
  EXPECT_EQ(player.FScoreDelta, 0);
  EXPECT_FALSE(player.FEntered);
  EXPECT_EQ(player.FBolts + player.FBarrelTries + player.FBarrelFalls, 0);
  EXPECT_EQ(player.FName, Cp1251("Игрок 1"));
  EXPECT_EQ(player.FKind, PlayerKindComputer);
  EXPECT_EQ(player.FLevel, 2);
  EXPECT_FALSE(player.FLocal);

  const TPlayer fresh;
  EXPECT_TRUE(fresh.FName.empty());
  EXPECT_EQ(fresh.FKind, PlayerKindHuman);
  EXPECT_TRUE(fresh.FLocal);
  EXPECT_EQ(fresh.Total(), 0);
}

TEST(Player, PacksByteForByteWithTheTotalAsScore) {
  const TPlayer player = FilledPlayer();
  const std::string packed = player.SaveToString();
  ASSERT_EQ(packed.size(), 71u);
  const std::string expected = std::string("\x07\x00\x00\x00", 4) + Cp1251("Игрок 1") + "\x01\x02" +
                               IntToBin4(675) + "\x02\x01\x03" + "1" + std::string(50, '\0');
  EXPECT_EQ(packed, expected);
}

TEST(Player, LoadsItsPackedFormBackWithTheScoreShownAtOnce) {
  const TPlayer saved = FilledPlayer();
  TPlayer loaded;
  loaded.FLocal = false;
  loaded.FScoreDelta = 90;
  ASSERT_TRUE(loaded.LoadFromString(saved.SaveToString()));
  EXPECT_EQ(loaded.FName, saved.FName);
  EXPECT_EQ(loaded.FKind, saved.FKind);
  EXPECT_EQ(loaded.FLevel, saved.FLevel);
  EXPECT_EQ(loaded.FScore, saved.Total());
  EXPECT_EQ(loaded.FScoreDelta, 0);
  EXPECT_EQ(loaded.FBolts, saved.FBolts);
  EXPECT_EQ(loaded.FBarrelTries, saved.FBarrelTries);
  EXPECT_EQ(loaded.FBarrelFalls, saved.FBarrelFalls);
  EXPECT_TRUE(loaded.FEntered);
  EXPECT_FALSE(loaded.FLocal);  // not part of the packed form

  // Negative scores survive, and the entered flag is true only for "1".
  TPlayer behind = saved;
  behind.FScore = -150;
  behind.FScoreDelta = 0;
  std::string packed = behind.SaveToString();
  packed[4 + 7 + 9] = 'Y';
  ASSERT_TRUE(loaded.LoadFromString(packed));
  EXPECT_EQ(loaded.FScore, -150);
  EXPECT_FALSE(loaded.FEntered);
}

TEST(Player, ShortRecordFillsWhatItCanAndIsNotWhole) {
  const std::string packed = FilledPlayer().SaveToString();
  constexpr std::size_t NameLength = 7;
  for (std::size_t size = 0; size < packed.size(); ++size) {
    TPlayer player = FilledPlayer();
    const std::string prefix = packed.substr(0, size);  // exact size, so the sanitizer sees over-reads
    const bool whole = player.LoadFromString(prefix);
    EXPECT_EQ(whole, size >= 14 + NameLength) << size;
    if (whole) continue;
    EXPECT_EQ(player.FName, Cp1251("Игрок 1").substr(0, size < 4 ? 0 : size - 4)) << size;
    EXPECT_EQ(player.FKind, PlayerKindHuman);
    EXPECT_EQ(player.FScore, 0);
    EXPECT_FALSE(player.FEntered);
  }
}

TEST(Player, NameLengthsThatCannotBeTrueAreRefused) {
  const std::string rest = "abc" + std::string(60, '1');
  const struct {
    std::string Length;
    std::string Name;
  } cases[] = {
      {"\xFF\xFF\xFF\xFF", ""},    // negative
      {"\xFF\xFF\xFF\x7F", rest},  // far beyond the text: the name takes what there is
  };
  for (const auto& c : cases) {
    TPlayer player;
    EXPECT_FALSE(player.LoadFromString(c.Length + rest));
    EXPECT_EQ(player.FName, c.Name);
    EXPECT_EQ(player.Total(), 0);
  }
}

TEST(Players, AddResetsTheScoreAndKeysTheEntryByName) {
  TPlayers players;
  TPlayer loaded;
  loaded.LoadFromString(FilledPlayer().SaveToString());
  EXPECT_EQ(players.Add(loaded), 0);
  EXPECT_EQ(players.Player(0).Total(), 0);
  EXPECT_FALSE(players.Player(0).FEntered);

  // Loading after adding keeps the score, as the saved-game reader does.
  EXPECT_EQ(players.Add(TPlayer{}), 1);
  ASSERT_TRUE(players.Player(1).LoadFromString(FilledPlayer().SaveToString()));
  EXPECT_EQ(players.Player(1).Total(), 675);

  EXPECT_EQ(players.Key(0), Cp1251("Игрок 1"));
  EXPECT_EQ(players.Key(1), "");
  players.Player(0).FName = "renamed";
  EXPECT_EQ(players.Key(0), Cp1251("Игрок 1"));
}

TEST(Players, AddLoadedKeepsTheScoreAndCounters) {
  TPlayers players;
  TPlayer loaded;
  ASSERT_TRUE(loaded.LoadFromString(FilledPlayer().SaveToString()));
  EXPECT_EQ(players.AddLoaded(loaded), 0);
  EXPECT_EQ(players.Player(0).SaveToString(), FilledPlayer().SaveToString());
  EXPECT_EQ(players.Key(0), Cp1251("Игрок 1"));
}

// The table has six rows: both adds stop there, and a deletion makes room again.
TEST(Players, TheListHoldsAtMostSix) {
  TPlayers players;
  for (int i = 0; i < TPlayers::MaxPlayers; ++i) {
    EXPECT_FALSE(players.Full());
    EXPECT_EQ(players.Add(TPlayer{}), i);
  }
  EXPECT_TRUE(players.Full());
  EXPECT_EQ(players.Add(TPlayer{}), -1);
  EXPECT_EQ(players.AddLoaded(FilledPlayer()), -1);
  EXPECT_EQ(players.Count(), TPlayers::MaxPlayers);
  players.Delete(0);
  EXPECT_EQ(players.AddLoaded(FilledPlayer()), TPlayers::MaxPlayers - 1);
}

TEST(Players, DeleteAndClear) {
  TPlayers players;
  for (const char* name : {"a", "b", "c"}) {
    TPlayer player;
    player.FName = name;
    players.Add(player);
  }
  TPlayer& last = players.Player(2);
  players.Delete(1);
  players.Delete(-1);
  players.Delete(5);
  ASSERT_EQ(players.Count(), 2);
  EXPECT_EQ(&players.Player(1), &last);  // players keep their place in memory
  EXPECT_EQ(players.Player(1).FName, "c");
  EXPECT_THROW(players.Player(2), std::out_of_range);
  EXPECT_THROW(players.Player(-1), std::out_of_range);
  players.ResetScore(7);  // ignored
  players.Clear();
  EXPECT_EQ(players.Count(), 0);
}

TEST(Players, AnimationCountsTheScoreInStepsOf5To20) {
  TPlayers players;
  players.Add(TPlayer{});
  TPlayer& player = players.Player(0);

  player.FScoreDelta = 555;
  for (const std::int32_t shown : {20, 40, 60}) {
    players.AnimateScores();
    EXPECT_EQ(player.FScore, shown);
  }
  EXPECT_EQ(player.FScoreDelta, 495);
  players.AnimateScores();
  EXPECT_EQ(player.FScore, 70);
  EXPECT_EQ(TicksToShow(players), 29 + 39);
  EXPECT_EQ(player.FScore, 555);

  const struct {
    std::int32_t Score;
    std::int32_t Delta;
    int Ticks;
  } cases[] = {
      {0, 1000, 25 + 30 + 40}, {1000, -1000, 95}, {100, -3, 1}, {0, 7, 2}, {0, 205, 40},
      {0, 200, 40},            {0, 0, 0},
  };
  for (const auto& c : cases) {
    player.FScore = c.Score;
    player.FScoreDelta = c.Delta;
    EXPECT_EQ(TicksToShow(players), c.Ticks) << c.Delta;
    EXPECT_EQ(player.FScore, c.Score + c.Delta);
  }
}

// The rules lab runs idle ticks at once, and a barrel's fall later reads the score shown:
// any run of ticks must show what as many single ticks do, across each change of pace.
TEST(Players, AnimationRunsManyTicksAtOnceAsOneByOne) {
  TPlayers stepped;
  TPlayers atOnce;
  for (const std::int32_t delta : {-2345, -1000, -501, -500, -205, -7, 3, 200, 201, 499, 515, 1000, 1999}) {
    for (const int ticks : {0, 1, 2, 13, 24, 25, 26, 40, 54, 55, 95, 200}) {
      stepped.Clear();
      atOnce.Clear();
      for (TPlayers* players : {&stepped, &atOnce}) {
        players->Add(TPlayer{});
        players->Player(0).FScore = 300;
        players->Player(0).FScoreDelta = delta;
      }
      for (int tick = 0; tick < ticks; ++tick) stepped.AnimateScores();
      atOnce.AnimateScores(ticks);
      EXPECT_EQ(atOnce.Player(0).FScore, stepped.Player(0).FScore) << delta << " over " << ticks;
      EXPECT_EQ(atOnce.Player(0).Total(), 300 + delta);
    }
  }
}

TEST(Players, AnimationMovesEveryPlayer) {
  TPlayers players;
  players.Add(TPlayer{});
  players.Add(TPlayer{});
  players.Player(0).FScoreDelta = 50;
  players.Player(1).FScoreDelta = -600;
  players.AnimateScores();
  EXPECT_EQ(players.Player(0).FScore, 5);
  EXPECT_EQ(players.Player(1).FScore, -20);
}
