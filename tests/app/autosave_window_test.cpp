// The window keeps a local game in the user's folder and puts it back on the next start.
#include <filesystem>
#include <functional>

#include "app/settings.h"
#include "game/message_texts.h"
#include "tests/app/window_fixture.h"
#include "tests/support/scratch_dir.h"

namespace {

class AutosaveWindow : public TWindowTest {
protected:
  std::unique_ptr<TfmMain> Started() {
    auto form = std::make_unique<TfmMain>(
        TDesktopServices{Messages, Sound, Links, Clock, THOUSAND_RUNTIME_DIR, {}, User.Path().string()});
    form->FormShow();
    return form;
  }
  bool Kept() const { return std::filesystem::exists(User.Path() / AutosaveFileName); }
  // Presses a table button as a click does and ticks until its action has run.
  static void Click(TfmMain& form, TTableButtons::TIndex button) {
    ASSERT_TRUE(form.Loop->PressButton(button));
    for (int i = 0; i <= ButtonPressTicks; ++i) form.Tick();
  }
  static void AddPlayers(TfmMain& form, std::initializer_list<const char*> names) {
    for (const char* name : names) {
      TPlayer player;
      player.FName = name;
      form.Game->AddPlayer(player);
    }
    form.Game->UpdateButtons();
  }

  TScratchDir User;
};

TEST_F(AutosaveWindow, AGameEndedByEscIsBackOnTheNextStart) {
  std::string kept;
  {
    auto form = Started();
    AddPlayers(*form, {"A", "B"});
    Click(*form, TTableButtons::Start);
    ASSERT_TRUE(Kept()) << "kept from the start of the game";
    form->Game->SetCurrentPlayer(1);
    form->FormKeyDown(27);  // Esc closes the window; what changed since the tick is kept on the way out
    kept = *form->Game->SavedGameBytes();
  }
  ASSERT_TRUE(Kept());
  EXPECT_EQ(User.Read(AutosaveFileName), kept);
  auto again = Started();
  EXPECT_EQ(again->Game->Players().Count(), 2);
  EXPECT_EQ(again->Game->CurrentPlayerIndex(), 1);
  EXPECT_FALSE(again->Game->GameOver());
  EXPECT_EQ(again->Game->Message(), RestoredGameMessage("B"));
  EXPECT_EQ(again->DialogFolder, User.Path().string());
}

TEST_F(AutosaveWindow, KeepsAfterEachTurnAndMenuButNotOnIdleTicks) {
  auto form = Started();
  AddPlayers(*form, {"A", "B"});
  Click(*form, TTableButtons::Start);
  const auto keptBytes = [&] { return User.Read(AutosaveFileName); };
  ASSERT_EQ(keptBytes(), *form->Game->SavedGameBytes());

  struct TCase {
    const char* What;
    std::function<void()> Make;
    bool Keeps;
  };
  const TCase cases[] = {
      {"ticks after a change outside the turns",
       [&] {
         form->Game->CurrentPlayer()->FBolts = 2;
         for (int i = 0; i < 10; ++i) form->Tick();
       },
       false},
      {"a recorded or lost turn",
       [&] {
         const int player = form->Game->CurrentPlayerIndex();
         for (int i = 0; i < 2000 && form->Game->CurrentPlayerIndex() == player; ++i) {
           const TTableButtons& buttons = form->Game->Buttons();
           if (buttons[TTableButtons::Cancel].State() == TButtonState::Normal)
             Click(*form, TTableButtons::Cancel);
           else if (buttons[TTableButtons::Do].State() == TButtonState::Normal)
             Click(*form, TTableButtons::Do);
           else
             form->Tick();
         }
         ASSERT_NE(form->Game->CurrentPlayerIndex(), player);
       },
       true},
      {"a menu closed after an edit",
       [&] {
         form->SetScreen(TScreenKind::skMainMenu);
         AddPlayers(*form, {"C"});
         form->SetScreen(TScreenKind::skTable);
       },
       true},
  };
  for (const TCase& c : cases) {
    // Tampered with so that any write shows, whatever the bytes it would write.
    User.Write(AutosaveFileName, "stale");
    c.Make();
    if (c.Keeps)
      EXPECT_EQ(keptBytes(), *form->Game->SavedGameBytes()) << c.What;
    else
      EXPECT_EQ(keptBytes(), "stale") << c.What;
  }
}

TEST_F(AutosaveWindow, AnEmptyTableLeavesNothingAndTestsWindowsKeepNothing) {
  { Started()->Tick(); }
  EXPECT_FALSE(Kept());
  auto form = MakeForm();
  form->FormShow();
  EXPECT_TRUE(form->Autosave.FileName().empty());
  EXPECT_EQ(form->DialogFolder, std::string(THOUSAND_RUNTIME_DIR));
}

}  // namespace
