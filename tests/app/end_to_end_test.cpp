// From an empty program to a saved and reloaded game, through the menus and the table alone:
// players added by typing, a rule changed in the editor, a game played to a winner by two
// computer players, saved on the way and loaded into a fresh program.
#include <functional>

#include "game/saved_game.h"
#include "gfx/file_io.h"
#include "gfx/up_down.h"
#include "tests/app/menu_fixture.h"

namespace {

using enum TScreenKind;

class EndToEndTest : public TMenuTest {
protected:
  // A press where the table button's mask has a visible pixel, then its pressed look.
  void ClickTable(TfmMain& form, const std::string& name) {
    const TSefraDXButton* button = form.TableButtons.FindButton(name);
    const TSurface* mask = form.Sprites.FindSurface("BT_MASK");
    ASSERT_TRUE(button && mask) << name;
    for (int y = mask->Height() / 2; y < mask->Height(); ++y)
      for (int x = mask->Width() / 2; x < mask->Width(); ++x)
        if (mask->Pixel(x, y) != 0) {
          form.DXDrawMouseDown(TMouseButton::mbLeft, button->Left() + x, button->Top() + y);
          for (int i = 0; i < TSefraDXButton::PressedLookTicks; ++i) form.Tick();
          return;
        }
    FAIL() << "no visible pixel on " << name;
  }

  void AddComputerByTyping(const std::string& name) {
    TPlayersScreen& players = Form->Screens->Players;
    if (players.NewPlayerKind != 1) ClickZone(*Form, TPlayersZones::KindLine);
    ClickZone(*Form, TPlayersZones::NameField);
    while (!players.NewPlayerName.empty()) Form->FormKeyPress(8);
    Type(name);
    Form->FormKeyPress(13);
    Ticks(TSefraDXButton::PressedLookTicks + 1);
  }

  // Game ticks without painting (the software renderer is slow), with a paint now and then.
  void PlayUntil(const std::function<bool()>& done) {
    for (int tick = 0; tick < 200000 && !done(); ++tick) {
      Clock.Now += TfmMain::TickMs;
      if (tick % 200 == 0)
        Form->Tick();
      else
        Form->DXTimerTimer();
    }
  }
};

TEST_F(EndToEndTest, PlayersByTypingARuleChangedAGameWonSavedAndLoadedIntoAFreshProgram) {
  TScratchDir dir;
  ASSERT_EQ(Form->Game->Players().Count(), 0);
  ClickTable(*Form, "BT_MENU");
  ASSERT_EQ(Form->CurrentScreen(), skMainMenu);

  Click("BT_PLAYERS");
  AddComputerByTyping("Альфа");
  AddComputerByTyping("Бета");
  ASSERT_EQ(Form->Game->Players().Count(), 2);
  EXPECT_EQ(Utf8(Form->Game->Players().Player(1).FName), "Бета");
  EXPECT_EQ(Form->Game->Players().Player(1).FKind, PlayerKindComputer);
  Click("BT_OK");

  Click("BT_OPTIONS");
  Click("BT_RAZNOE");
  const int entry = Form->Game->Options().ENTERSCORE;
  TSefraUpDown* upDown =
      static_cast<TSefraUpDown*>(Form->Screens->Options.OptionControls->GetControl(Form->Screens->Options.OptionControls->IndexOfName("ENTERSCORE")));
  ASSERT_NE(upDown, nullptr);
  const TSize arrow = upDown->UpButton().GetImageSize();
  Form->DXDrawMenuMouseDown(TMouseButton::mbLeft, upDown->UpButton().Left() + arrow.Width / 2,
                            upDown->UpButton().Top() + arrow.Height / 2);
  Ticks(TSefraUpDown::PressedLookTicks + 1);
  Click("BT_OK");
  ASSERT_EQ(Form->Game->Options().ENTERSCORE, entry + 5);
  Click("BT_OK");
  ASSERT_EQ(Form->CurrentScreen(), skTable);

  ClickTable(*Form, "BT_START");
  ASSERT_FALSE(Form->Game->GameOver());
  TGame& game = *Form->Game;
  const auto settled = [&game] { return !game.DiceMoving() && !game.ThrowPending() && game.PassDelay() == 0; };
  PlayUntil([&] { return settled() && game.Players().Player(0).Total() + game.Players().Player(1).Total() >= 600; });
  ASSERT_FALSE(game.GameOver());

  // Saved mid-game from the menu, which the game under it does not wait for. The table takes
  // no press while a computer's own press is pending, so the menu may take a few tries.
  for (int attempt = 0; attempt < 200 && Form->CurrentScreen() != skMainMenu; ++attempt) ClickTable(*Form, "BT_MENU");
  ASSERT_EQ(Form->CurrentScreen(), skMainMenu);
  Dialogs->Answers = {dir.File("midgame")};
  Click("BT_SAVE");
  ASSERT_FALSE(Messages.Texts.empty());
  EXPECT_EQ(Utf8(Messages.Texts.back()), "Игра успешно сохранена!");
  TSavedGame saved;
  ASSERT_EQ(DecodeSavedGame(*ReadFileToString(dir.File("midgame"), SavedGameReadLimit), saved), TSavedGameError::None);
  Click("BT_OK");

  PlayUntil([&] { return game.GameOver(); });
  ASSERT_TRUE(game.GameOver());
  const TPlayer* winner = game.CurrentPlayer();
  ASSERT_NE(winner, nullptr);
  EXPECT_GE(winner->Total(), 1000);

  // A fresh program loads the save: the players with their scores then, the changed rule.
  Form.reset();
  SetUp();
  ClickTable(*Form, "BT_MENU");
  Dialogs->Answers = {dir.File("midgame")};
  Click("BT_LOAD");
  EXPECT_EQ(Utf8(Messages.Texts.back()), "Игра успешно загружена!");
  const TGame& loaded = *Form->Game;
  ASSERT_EQ(loaded.Players().Count(), 2);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(loaded.Players().Player(i).FName, saved.Players[i].FName);
    EXPECT_EQ(loaded.Players().Player(i).Total(), saved.Players[i].Total());
  }
  EXPECT_EQ(loaded.CurrentPlayerIndex(), saved.CurrentPlayer);
  EXPECT_EQ(loaded.Options().ENTERSCORE, entry + 5);
  EXPECT_FALSE(loaded.GameOver());
}

}  // namespace
