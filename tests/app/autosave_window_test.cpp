// The window keeps a local game in the user's folder and puts it back on the next start.
#include <filesystem>

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

  TScratchDir User;
};

TEST_F(AutosaveWindow, AGameEndedByEscIsBackOnTheNextStart) {
  std::string kept;
  {
    auto form = Started();
    for (const char* name : {"A", "B"}) {
      TPlayer player;
      player.FName = name;
      form->Game->AddPlayer(player);
    }
    form->Game->StartGame();
    form->Tick();
    ASSERT_TRUE(Kept()) << "kept from the first tick of the game";
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

TEST_F(AutosaveWindow, AnEmptyTableLeavesNothingAndTestsWindowsKeepNothing) {
  { Started()->Tick(); }
  EXPECT_FALSE(Kept());
  auto form = MakeForm();
  form->FormShow();
  EXPECT_TRUE(form->Autosave.FileName().empty());
  EXPECT_EQ(form->DialogFolder, std::string(THOUSAND_RUNTIME_DIR));
}

}  // namespace
