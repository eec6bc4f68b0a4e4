#include "game/autosave.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "game/message_texts.h"
#include "tests/game/game_fixture.h"
#include "tests/support/fake_message_box.h"
#include "tests/support/scratch_dir.h"

namespace {

class Autosave : public ::testing::Test {
protected:
  bool Kept() const { return std::filesystem::exists(File); }

  TScratchDir Dir;
  const std::string File = Dir.File("user/thousand/autosave.sav");
  TFakeMessageBox Messages;
  TGameFixture Playing{7};
};

TEST_F(Autosave, FollowsTheGameInPlayAndRestoresItExactly) {
  TAutosave autosave(File);
  autosave.Keep(Playing.Game);
  EXPECT_FALSE(Kept()) << "an empty table";
  Playing.Start(3);
  SetRule(Playing.Game, &TGameOptions::ENTERSCORE, 75);
  Playing.ThrowAndRecord({{1, 1, 1, 2, 3}});
  Playing.Player(2).FBolts = 1;
  autosave.Keep(Playing.Game);
  ASSERT_TRUE(Kept()) << "the folder is made when missing";
  EXPECT_EQ(Dir.Read("user/thousand/autosave.sav"), *Playing.Game.SavedGameBytes());

  TGameFixture next{8};
  TAutosave restarted(File);
  ASSERT_TRUE(restarted.Restore(next.Game));
  EXPECT_EQ(next.Game.SavedGameBytes(), Playing.Game.SavedGameBytes());
  EXPECT_FALSE(next.Game.GameOver());
  EXPECT_EQ(next.Game.CurrentPlayerIndex(), Playing.Game.CurrentPlayerIndex());
  EXPECT_GT(next.Game.Players().Player(0).FScore, 0);
  EXPECT_EQ(next.Game.Options(), Playing.Game.Options());
  EXPECT_EQ(next.Game.Message(), RestoredGameMessage(next.Game.CurrentPlayer()->FName));
  EXPECT_TRUE(Messages.Texts.empty());
}

TEST_F(Autosave, IsRemovedWhenTheGameIsOverTheTableEmptyOrTheGameGoesOnline) {
  struct TCase {
    const char* Name;
    void (*End)(TGame&);
  };
  for (const TCase& c : {TCase{"won", [](TGame& game) { game.FinishGame(); }},
                         TCase{"players removed", [](TGame& game) { game.ClearPlayers(); }},
                         TCase{"network game", [](TGame& game) { game.StartNetGame(); }}}) {
    TGameFixture fixture;
    fixture.Start(2);
    TAutosave autosave(File);
    autosave.Keep(fixture.Game);
    ASSERT_TRUE(Kept()) << c.Name;
    c.End(fixture.Game);
    autosave.Keep(fixture.Game);
    EXPECT_FALSE(Kept()) << c.Name;
  }
}

TEST_F(Autosave, AnUnreadableFileIsNotRestoredAndLeavesTheStartMessage) {
  std::filesystem::create_directories(std::filesystem::path(File).parent_path());
  Dir.Write("user/thousand/autosave.sav", "TOLVANE but not a game");
  TGameFixture next;
  next.Game.SetMessage(StartMessage());
  EXPECT_FALSE(TAutosave(File).Restore(next.Game));
  EXPECT_EQ(next.Game.Message(), StartMessage());
  EXPECT_EQ(next.Game.Players().Count(), 0);
  EXPECT_FALSE(TAutosave(Dir.File("absent.sav")).Restore(next.Game));
}

TEST_F(Autosave, AFailedWriteIsReportedOnceAndAnEmptyNameKeepsNothing) {
  Dir.Write("user", "a file where the folder should be");
  Playing.Start(2);
  TAutosave autosave(File);
  autosave.Keep(Playing.Game);
  Playing.ThrowAndRecord({{1, 1, 1, 2, 3}});
  autosave.Keep(Playing.Game);
  EXPECT_EQ(Messages.Texts.size(), 1u);

  TAutosave nothing{std::string()};
  nothing.Keep(Playing.Game);
  EXPECT_FALSE(nothing.Restore(Playing.Game));
}

}  // namespace
