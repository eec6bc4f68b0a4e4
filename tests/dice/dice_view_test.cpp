#include <gtest/gtest.h>

#include <SDL.h>

#include <memory>
#include <vector>

#include "dice/dice_view.h"
#include "dice/die_sprites.h"
#include "game/game.h"
#include "game/random.h"
#include "platform/gl_canvas.h"
#include "platform/window.h"
#include "tests/app/window_fixture.h"

namespace {

// A real context that can be told to fail its next make-current, as a lost one does.
class TFlakyContext final : public IGlContext {
public:
  TFlakyContext(SDL_Window* window, bool& failNext) : FReal(window), FFailNext(failNext) {}
  bool MakeCurrent(SDL_Window* window) override {
    if (FFailNext) {
      FFailNext = false;
      return false;
    }
    return FReal.MakeCurrent(window);
  }

private:
  TSdlGlContext FReal;
  bool& FFailNext;
};

// Distinct neighbours, so that a pixel changed by state the dice left behind shows.
std::vector<std::uint32_t> Pattern() {
  std::vector<std::uint32_t> pixels(600 * 420);
  for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0x00FFFFFFu;
  return pixels;
}

class DiceViewTest : public TWindowTest {
protected:
  void SetUp() override { ASSERT_TRUE(Window.Valid()); }

  // Composes a frame of the view over a white table and reads it; false when the view could
  // not draw.
  bool PaintOnWhite(TImage* frame) {
    if (!Window.BeginComposing()) return false;
    const std::vector<std::uint32_t> white(600 * 420, 0x00FFFFFF);
    Window.DrawPixels(white.data(), 600, 420, 0, 0);
    View.Place(Window.Letterbox());
    const bool drawn = View.Paint(Game, Canvas, Window);
    *frame = Window.ReadFrame();
    return drawn;
  }

  bool FailNext = false;
  int Created = 0;
  TGlCanvas Canvas{[this](SDL_Window* window) {
    ++Created;
    return std::make_unique<TFlakyContext>(window, FailNext);
  }};
  TGameWindow Window{"dice", TfmMain::ClientWidth, TfmMain::ClientHeight, TWindowFrame::wfCaption};
  TDiceView View{TfmMain::ShowPanel, TfmMain::ClientHeight};
  TGame Game;
};

void ThrowAndSettle(TGame& game) {
  game.StartThrow();
  while (game.DiceMoving()) game.StepDice();
}

TEST_F(DiceViewTest, DrawsOnlyInsideItsPanel) {
  TImage frame;
  ASSERT_TRUE(PaintOnWhite(&frame));
  const TRect panel = TfmMain::ShowPanel;
  EXPECT_FALSE(AnyLit(frame, panel.Left, panel.Top, panel.Width, panel.Height)) << "no throw: black";
  EXPECT_EQ(Created, 0) << "and no OpenGL loaded for it";
  EXPECT_EQ(frame.Pixel(panel.Left - 1, panel.Top), 0x00FFFFFFu);
  EXPECT_EQ(frame.Pixel(panel.Left + panel.Width, panel.Top), 0x00FFFFFFu);
  EXPECT_EQ(frame.Pixel(panel.Left, panel.Top - 1), 0x00FFFFFFu);
  EXPECT_EQ(frame.Pixel(panel.Left, panel.Top + panel.Height), 0x00FFFFFFu);
}

TEST_F(DiceViewTest, PicturesLaidAfterTheDiceAreExact) {
  TSeededRandom random(7);
  TRandomScope scope(random);
  ThrowAndSettle(Game);
  TImage frame;
  ASSERT_TRUE(PaintOnWhite(&frame));
  ASSERT_TRUE(AnyLit(frame, TfmMain::ShowPanel.Left, TfmMain::ShowPanel.Top, TfmMain::ShowPanel.Width,
                     TfmMain::ShowPanel.Height));
  // As the menu overlay is laid over the dice.
  const std::vector<std::uint32_t> pattern = Pattern();
  Window.DrawPixels(pattern.data(), 600, 420, 0, 0);
  frame = Window.ReadFrame();
  int differing = 0;
  for (int y = 0; y < 420; ++y)
    for (int x = 0; x < 600; ++x)
      if (frame.Pixel(x, y) != pattern[static_cast<std::size_t>(y) * 600 + x]) ++differing;
  EXPECT_EQ(differing, 0);
}

TEST_F(DiceViewTest, ALostContextIsMadeAnewAndTheNextFrameDrawsTheDice) {
  TSeededRandom random(7);
  TRandomScope scope(random);
  ThrowAndSettle(Game);
  const TRect panel = TfmMain::ShowPanel;

  FailNext = true;
  TImage frame;
  EXPECT_FALSE(PaintOnWhite(&frame)) << "nothing drawn on the lost frame";
  EXPECT_EQ(Canvas.Rebuilds(), 1);
  EXPECT_EQ(Created, 2);

  ASSERT_TRUE(PaintOnWhite(&frame));
  EXPECT_TRUE(AnyLit(frame, panel.Left, panel.Top, panel.Width, panel.Height));
  EXPECT_EQ(frame.Pixel(panel.Left - 1, panel.Top), 0x00FFFFFFu);
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
