#include <gtest/gtest.h>

#include "base/byte_codec.h"
#include "game/message_texts.h"
#include "tests/game/game_fixture.h"
#include "tests/support/fake_message_box.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/scratch_dir.h"

namespace {

// A file with the right magic and checksums around any payload.
std::string WrapPayload(const std::string& payload) {
  const TSavedChecksums sums = SavedGameChecksums(payload);
  return std::string(SavedGameMagic) + IntToBin4(sums.A) + IntToBin4(sums.B) + payload;
}

TEST(SavedGameChecksums, MatchTheKnownValues) {
  EXPECT_EQ(SavedGameChecksums("abc"), (TSavedChecksums{185, 5687884}));
  EXPECT_EQ(SavedGameChecksums(""), (TSavedChecksums{0, 5687298}));
  // Long payloads wrap around without trouble.
  EXPECT_NO_FATAL_FAILURE(SavedGameChecksums(std::string(100000, '\xff')));
}

class SavedGame : public ::testing::Test {
protected:
  void SetUp() override {
    Saved.Start(2);
    SetRule(Saved.Game, &TGameOptions::BARRELSTYPE, 2);
    SetRule(Saved.Game, &TGameOptions::ENTERSCORE, 75);
    Saved.SetTotal(0, 415);
    Saved.Player(0).FBolts = 2;
    Saved.Player(1).FKind = PlayerKindComputer;
    Saved.Player(1).FScore = 600;
    Saved.Player(1).FScoreDelta = 40;  // still counting up: saved as its total
    Saved.Player(1).FBarrelTries = 1;
    Saved.Player(1).FBarrelFalls = 2;
    Saved.Player(1).FEntered = true;
    Saved.Game.SetCurrentPlayer(1);
  }

  std::string SaveToFile() {
    const std::string file = Dir.File("game.sav");
    EXPECT_TRUE(Saved.Game.SaveGame(file));
    return file;
  }

  TScratchDir Dir;
  TGameFixture Saved;
  TGameFixture Loaded{2};
};

TEST_F(SavedGame, TwoSevenLetterNamesMake267Bytes) {
  EXPECT_EQ(Dir.Read(std::filesystem::path(SaveToFile()).filename().string()).size(), 267u);
}

TEST_F(SavedGame, RoundTripRestoresPlayersRulesAndTurn) {
  const std::string file = SaveToFile();
  Loaded.Start(3);
  TGameTestAccess::SetTurnScore(Loaded.Game, 80);
  ASSERT_TRUE(Loaded.Game.LoadGame(file));
  TGame& game = Loaded.Game;
  EXPECT_FALSE(game.GameOver());
  EXPECT_EQ(game.Options(), Saved.Game.Options());
  EXPECT_EQ(game.CurrentPlayerIndex(), 1);
  EXPECT_EQ(game.TurnScore(), 0);
  ASSERT_EQ(game.Players().Count(), 2);
  for (int i = 0; i < 2; ++i) {
    const TPlayer& a = Saved.Player(i);
    const TPlayer& b = game.Players().Player(i);
    EXPECT_EQ(b.FName, a.FName);
    EXPECT_EQ(b.FKind, a.FKind);
    EXPECT_EQ(b.FScore, a.Total());
    EXPECT_EQ(b.FScoreDelta, 0);
    EXPECT_EQ(b.FBolts, a.FBolts);
    EXPECT_EQ(b.FBarrelTries, a.FBarrelTries);
    EXPECT_EQ(b.FBarrelFalls, a.FBarrelFalls);
    EXPECT_EQ(b.FEntered, a.FEntered);
    EXPECT_TRUE(b.FLocal);
  }
  EXPECT_EQ(game.Message(), TurnMessage(Saved.Player(1).FName, 0));
  EXPECT_EQ(game.Buttons()[TTableButtons::Do].State(), TButtonState::Normal);
}

TEST_F(SavedGame, ACurrentPlayerPastTheEndResumesWithTheFirst) {
  Saved.Game.DeletePlayer(1);
  TGameTestAccess::SetCurrentIndex(Saved.Game, 1);  // past the end: no game leaves it, a file may
  ASSERT_TRUE(Loaded.Game.LoadGame(SaveToFile()));
  EXPECT_EQ(Loaded.Game.CurrentPlayerIndex(), 0);
}

// A file can carry totals and rules no game reaches; once loaded, recording turns must not
// overflow the score sums (found by fuzzing: a total of -2147474348 and a recorded turn).
TEST_F(SavedGame, ScoresAndRulesNoGameReachesAreBroughtIntoRange) {
  struct TCase {
    std::int32_t Total;
    std::int32_t Expected;
  };
  for (const TCase c : {TCase{-2147474348, -PlayerScoreLimit}, TCase{INT32_MAX, PlayerScoreLimit},
                        TCase{INT32_MIN, -PlayerScoreLimit}, TCase{-995, -995}}) {
    SCOPED_TRACE(c.Total);
    Saved.Player(0).FScore = 0;
    Saved.Game.SetCurrentPlayer(0);
    // Set last, so that the saving game itself never sums with them.
    Saved.Player(0).FScore = c.Total;
    Saved.Player(0).FScoreDelta = 0;
    SetRule(Saved.Game, &TGameOptions::BARRELSSCORE, INT32_MAX);
    SetRule(Saved.Game, &TGameOptions::BOLTSDOWNSCORE, INT32_MIN);
    ASSERT_TRUE(Loaded.Game.LoadGame(SaveToFile()));
    EXPECT_EQ(Loaded.Player(0).Total(), c.Expected);
    EXPECT_EQ(Loaded.Game.Options().BARRELSSCORE, 990);
    EXPECT_EQ(Loaded.Game.Options().BOLTSDOWNSCORE, 5);
    for (int turn = 0; turn < 4; ++turn) {
      Loaded.Throw({1, 1, 1, 5, 5});
      Loaded.Game.RecordTurn();
      Loaded.Game.SetCurrentPlayer(0);
    }
  }
}

TEST_F(SavedGame, NoPlayersLoadsAsNoGame) {
  Saved.Game.ClearPlayers();
  ASSERT_TRUE(Loaded.Game.LoadGame(SaveToFile()));
  EXPECT_EQ(Loaded.Game.Players().Count(), 0);
  EXPECT_EQ(Loaded.Game.CurrentPlayerIndex(), -1);
  EXPECT_TRUE(Loaded.Game.GameOver());
}

TEST_F(SavedGame, AFullTableLoads) {
  TGameFixture six;
  six.Start(TPlayers::MaxPlayers);
  ASSERT_TRUE(six.Game.SaveGame(Dir.File("six.sav")));
  ASSERT_TRUE(Loaded.Game.LoadGame(Dir.File("six.sav")));
  EXPECT_EQ(Loaded.Game.Players().Count(), TPlayers::MaxPlayers);
}

TEST_F(SavedGame, RefusedFilesLeaveThePlayersAndRulesButEndTheGame) {
  const std::string good = Dir.Read(std::filesystem::path(SaveToFile()).filename().string());
  const std::string payload = good.substr(SavedGameHeaderSize);
  std::string flipped = good;
  flipped[40] ^= 0x01;
  std::string badMagic = good;
  badMagic[0] = 't';
  std::string longName = payload;  // the first record claims more bytes than there are
  longName.replace(1, 4, IntToBin4(5000));
  const std::string noRules = payload.substr(0, payload.size() - 1);
  std::string shortRecord = payload;  // a record too short for its name
  shortRecord.replace(1, 4, IntToBin4(10));
  TSavedGame seven;  // one more than the table holds
  seven.Players.resize(TPlayers::MaxPlayers + 1);
  seven.PackedOptions = OptionsToString(TGameOptions{});

  struct TCase {
    const char* Name;
    std::string Bytes;
    TSavedGameError Error;
  };
  const TCase cases[] = {
      {"a changed byte", flipped, TSavedGameError::BadChecksum},
      {"a changed magic", badMagic, TSavedGameError::BadMagic},
      {"too short for the checksums", good.substr(0, 12), TSavedGameError::Truncated},
      {"empty", "", TSavedGameError::BadMagic},
      {"no payload", WrapPayload(""), TSavedGameError::Truncated},
      {"a record length past the end", WrapPayload(longName), TSavedGameError::Truncated},
      {"a negative record length", WrapPayload(std::string("\x01\xff\xff\xff\xff", 5)), TSavedGameError::Truncated},
      {"a record shorter than its name", WrapPayload(shortRecord), TSavedGameError::Truncated},
      {"rules cut short", WrapPayload(noRules), TSavedGameError::Truncated},
      {"seven players", *EncodeSavedGame(seven), TSavedGameError::TooManyPlayers},
      {"longer than the reader takes", good + std::string(13000, '\0'), TSavedGameError::BadChecksum},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TGameFixture f;
    f.Start(3);
    SetRule(f.Game, &TGameOptions::ENTERSCORE, 150);
    f.SetTotal(2, 345);
    const TGameOptions rules = f.Game.Options();
    Dir.Write("bad.sav", c.Bytes);
    EXPECT_EQ(f.Game.LoadGameWithReason(Dir.File("bad.sav")), c.Error);
    EXPECT_TRUE(f.Game.GameOver());
    EXPECT_EQ(f.Game.Message(), LoadingGameMessage());
    EXPECT_EQ(f.Game.Players().Count(), 3);
    EXPECT_EQ(f.Player(2).Total(), 345);
    EXPECT_EQ(f.Game.Options(), rules);
  }
}

TEST_F(SavedGame, AThrowRollingThroughAFailedLoadCountsForNobody) {
  Loaded.Start(2);
  Loaded.SetTotal(0, 400);
  Loaded.Player(0).FBolts = 2;
  Loaded.Game.StartThrowWith({2, 3, 4, 6, 6});
  EXPECT_FALSE(Loaded.Game.LoadGame(Dir.File("none.sav")));
  Loaded.RollToRest();
  EXPECT_EQ(Loaded.Game.ThrowSettled(), TThrowOutcome::NoTurn);
  EXPECT_EQ(Loaded.Player(0).FBolts, 2);
  EXPECT_EQ(Loaded.Player(0).Total(), 400);
  EXPECT_EQ(Loaded.Game.PassDelay(), 0);
}

TEST_F(SavedGame, AMissingFileIsRefusedWithoutAMessage) {
  TFakeMessageBox box;
  EXPECT_EQ(Loaded.Game.LoadGameWithReason(Dir.File("none.sav")), TSavedGameError::Missing);
  EXPECT_FALSE(Loaded.Game.LoadGame(Dir.File("none.sav")));
  EXPECT_TRUE(box.Texts.empty());
}

TEST_F(SavedGame, ASaveCutShortByAFullDiskKeepsThePreviousSaveAndTheGame) {
  const std::string file = SaveToFile();
  const std::string previous = Dir.Read("game.sav");
  Saved.SetTotal(0, 800);
  TFakeMessageBox box;
  {
    TFileSizeLimit fullDisk(100);  // the save needs 267 bytes
    EXPECT_FALSE(Saved.Game.SaveGame(file));
  }
  EXPECT_EQ(box.Texts.size(), 1u);
  EXPECT_EQ(Dir.Read("game.sav"), previous);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir.Path()), {}), 1);
  ASSERT_TRUE(Loaded.Game.LoadGame(file));
  EXPECT_EQ(Loaded.Game.Players().Player(0).FScore, 415);

  // Nothing of the game in play was lost: with room again it saves as it stands.
  ASSERT_TRUE(Saved.Game.SaveGame(file));
  ASSERT_TRUE(Loaded.Game.LoadGame(file));
  EXPECT_EQ(Loaded.Game.Players().Player(0).FScore, 800);
}

TEST_F(SavedGame, AnUnwritableFileFailsTheSave) {
  TFakeMessageBox box;
  EXPECT_FALSE(Saved.Game.SaveGame(Dir.File("no/such/folder/game.sav")));
  EXPECT_EQ(box.Texts.size(), 1u);
}

}  // namespace
