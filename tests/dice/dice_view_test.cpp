#include <gtest/gtest.h>

#include <SDL.h>

#include <memory>

#include "dice/dice_view.h"
#include "dice/die_sprites.h"
#include "game/game.h"
#include "game/random.h"
#include "platform/window.h"
#include "tests/app/window_fixture.h"

namespace {

// A real context that can be told to fail its next make-current, as a lost one does.
class TFlakyContext final : public IGlContext {
public:
  TFlakyContext(SDL_Window* window, bool& failNext) : FReal(window), FFailNext(failNext) {}
  bool MakeCurrent() override {
    if (FFailNext) {
      FFailNext = false;
      return false;
    }
    return FReal.MakeCurrent();
  }

private:
  TSdlGlContext FReal;
  bool& FFailNext;
};

class DiceViewTest : public TWindowTest {
protected:
  void SetUp() override {
    ASSERT_TRUE(Window.Valid());
    View = std::make_unique<TDiceView>(
        [this] {
          ++Created;
          return std::make_unique<TFlakyContext>(Window.Handle(), FailNext);
        },
        TfmMain::ShowPanel, TfmMain::ClientHeight);
  }

  // Paints the view over a white window and reads the frame.
  TImage PaintOnWhite(bool* drew) {
    Window.BeginFrame();
    const std::vector<std::uint32_t> white(600 * 420, 0x00FFFFFF);
    Window.DrawPixels(white.data(), 600, 420, 0, 0);
    *drew = View->Paint(Game);
    Window.BeginFrame();
    return Window.ReadFrame();
  }

  TGameWindow Window{"dice", TfmMain::ClientWidth, TfmMain::ClientHeight, TWindowFrame::wfCaption};
  std::unique_ptr<TDiceView> View;
  TGame Game;
  bool FailNext = false;
  int Created = 0;
};

TEST_F(DiceViewTest, DrawsOnlyInsideItsPanel) {
  View->CreateDiceContext();
  bool drew = false;
  TImage frame = PaintOnWhite(&drew);
  ASSERT_TRUE(drew);
  const TRect panel = TfmMain::ShowPanel;
  EXPECT_FALSE(AnyLit(frame, panel.Left, panel.Top, panel.Width, panel.Height)) << "no throw: black";
  EXPECT_EQ(frame.Pixel(panel.Left - 1, panel.Top), 0x00FFFFFFu);
  EXPECT_EQ(frame.Pixel(panel.Left + panel.Width, panel.Top), 0x00FFFFFFu);
  EXPECT_EQ(frame.Pixel(panel.Left, panel.Top - 1), 0x00FFFFFFu);
  EXPECT_EQ(frame.Pixel(panel.Left, panel.Top + panel.Height), 0x00FFFFFFu);
}

TEST_F(DiceViewTest, ALostContextIsRebuiltAndTheNextPaintDraws) {
  TSeededRandom random(7);
  TRandomScope scope(random);
  View->CreateDiceContext();
  ASSERT_EQ(Created, 1);
  Game.StartThrow();
  while (Game.DiceMoving()) Game.StepDice();
  const TRect panel = TfmMain::ShowPanel;

  FailNext = true;
  bool drew = true;
  TImage frame = PaintOnWhite(&drew);
  EXPECT_FALSE(drew);
  EXPECT_EQ(View->Rebuilds(), 1);
  EXPECT_EQ(Created, 2);
  EXPECT_TRUE(View->HasContext());
  EXPECT_EQ(frame.Pixel(panel.Left + 10, panel.Top + 10), 0x00FFFFFFu) << "nothing drawn on the lost paint";

  frame = PaintOnWhite(&drew);
  EXPECT_TRUE(drew);
  EXPECT_TRUE(AnyLit(frame, panel.Left, panel.Top, panel.Width, panel.Height));
}

TEST(DieSpriteNames, FrameFollowsTheAngleAboutTheVertical) {
  struct TCase {
    int Angle;
    int Frame;
  };
  for (const TCase& c : {TCase{0, 0}, TCase{7, 0}, TCase{8, 1}, TCase{30, 3}, TCase{352, 44}, TCase{359, 44}}) {
    TZarnik die;
    die.SetPose(3);                 // face 3 reads its angle as minus AngleY
    die.AngleY = static_cast<float>(-c.Angle);
    EXPECT_EQ(die.SpinAngle(), c.Angle);
    EXPECT_EQ(DieSpriteFrame(die), c.Frame) << c.Angle;
  }
  EXPECT_EQ(DieSpriteName(6, 44), "6_44");
}

}  // namespace
