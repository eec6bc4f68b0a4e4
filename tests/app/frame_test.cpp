#include <gtest/gtest.h>

#include <SDL.h>

#include <functional>
#include <string>

#include "tests/app/window_fixture.h"

namespace {

class FrameTest : public TWindowTest {
protected:
  void SetUp() override {
    Form = MakeForm();
    Form->FormShow();
    ASSERT_EQ(Form->LoadError, 0);
    Form->CaptureFrames = true;
  }

  // Whether every sampled pixel outside the 3D panel is the table's background.
  void ExpectTableAround(const TImage& frame) {
    const TSurface* back = Form->Sprites.FindSurface("BACK");
    ASSERT_NE(back, nullptr);
    for (const auto& [x, y] : {std::pair{0, 0}, {599, 0}, {2, 150}, {340, 150}, {599, 419}, {0, 419}, {2, 300}, {450, 200}})
      EXPECT_EQ(frame.Pixel(x, y), back->Pixel(x, y)) << x << "," << y;
  }

  bool PanelLit(const TImage& frame) {
    const TRect panel = TfmMain::ShowPanel;
    return AnyLit(frame, panel.Left, panel.Top, panel.Width, panel.Height);
  }

  std::unique_ptr<TfmMain> Form;
};

TEST_F(FrameTest, WithoutAThrowTheTableShowsAroundABlackPanel) {
  Form->Tick();
  ASSERT_EQ(Form->Paints(), 1);
  ExpectTableAround(Form->LastFrame);
  EXPECT_FALSE(PanelLit(Form->LastFrame));
}

TEST_F(FrameTest, AThrowShowsItsDiceInThePanelAndSoundsOnceOnLanding) {
  Form->Game->StartThrow();
  int ticks = 0;
  while (Form->Game->DiceMoving() && ticks < 200) {
    Form->Tick();
    ++ticks;
  }
  EXPECT_FALSE(Form->Game->DiceMoving());
  EXPECT_EQ(Form->Paints(), ticks);
  ExpectTableAround(Form->LastFrame);
  EXPECT_TRUE(PanelLit(Form->LastFrame));
  ASSERT_FALSE(Sound.Played.empty());
  // One clatter per tick on which some die first touched down: between one and five.
  EXPECT_EQ(std::count(Sound.Played.begin(), Sound.Played.end(), 0), static_cast<long>(Sound.Played.size()));
  EXPECT_LE(Sound.Played.size(), 5u);
  EXPECT_EQ(Sound.Ticks, ticks) << "the sound is ticked with the table, so that its device can rest";
}

TEST_F(FrameTest, AnOpenOverlayIsLaidOverTableAndDice) {
  Form->Game->StartThrow();
  Form->DXDrawMenu.SetSize(200, 100);
  Form->DXDrawMenu.Fill(0x00123456);
  Form->MenuBounds = {50, 120, 200, 100};  // over the 3D panel
  Form->MenuVisible = true;
  for (int i = 0; i < 40; ++i) Form->Tick();
  const TImage& frame = Form->LastFrame;
  EXPECT_EQ(frame.Pixel(50, 120), 0x00123456u);
  EXPECT_EQ(frame.Pixel(249, 219), 0x00123456u);
  EXPECT_NE(frame.Pixel(250, 150), 0x00123456u);
  ExpectTableAround(frame);
}

TEST_F(FrameTest, EveryTickPaintsButOnlyAChangedFrameReachesTheScreen) {
  // The message panel opens over the first ticks; then nothing moves.
  for (int i = 0; i < 100; ++i) Form->Tick();
  const int opened = Form->Presents();
  EXPECT_GT(opened, 1);
  const int drawn = Form->TableDraws();
  for (int i = 0; i < 20; ++i) Form->Tick();
  EXPECT_EQ(Form->Paints(), 120);
  EXPECT_EQ(Form->Presents(), opened) << "the table stood still";
  EXPECT_EQ(Form->TableDraws(), drawn) << "and was not drawn again";

  struct TChange {
    const char* What;
    std::function<void()> Make;
  };
  const auto addPlayer = [&](const char* name) {
    TPlayer player;
    player.FName = name;
    Form->Game->AddPlayer(player);
  };
  const TChange changes[] = {
      {"the banner's next picture", [&] { Clock.Now += 60 * 1000; }},
      {"an overlay opened", [&] {
         Form->DXDrawMenu.SetSize(200, 100);
         Form->DXDrawMenu.Fill(0x00123456);
         Form->MenuBounds = {50, 120, 200, 100};
         Form->MenuVisible = true;
       }},
      {"one pixel of the overlay", [&] { Form->DXDrawMenu.FillRect({199, 99, 1, 1}, 0x00FFFFFF); }},
      {"the overlay moved", [&] { Form->MenuBounds.Left = 60; }},
      {"the overlay closed", [&] { Form->MenuVisible = false; }},
      {"the window uncovered", [&] {
         SDL_Event event{};
         event.type = SDL_WINDOWEVENT;
         event.window.windowID = Form->Window().Id();
         event.window.event = SDL_WINDOWEVENT_EXPOSED;
         ASSERT_EQ(SDL_PushEvent(&event), 1);
         Form->ProcessEvents();
       }},
  };
  for (const TChange& change : changes) {
    const int presents = Form->Presents();
    change.Make();
    for (int i = 0; i < 3; ++i) Form->Tick();
    EXPECT_EQ(Form->Presents(), presents + 1) << change.What;
  }

  // Whatever the table shows of the game redraws it; some changes go on moving (a die put
  // aside turns, a new message opens its panel), so the count is not one.
  const TChange gameChanges[] = {
      {"a player joined", [&] { addPlayer("A"); }},
      {"the player's name", [&] { Form->Game->CurrentPlayer()->FName = "B"; }},
      {"the player's score", [&] { Form->Game->CurrentPlayer()->FScore = 120; }},
      {"the player's bolts", [&] { Form->Game->CurrentPlayer()->FBolts = 1; }},
      {"the player's barrel falls", [&] { Form->Game->CurrentPlayer()->FBarrelFalls = 1; }},
      {"the computer stands in for the player", [&] { Form->Game->CurrentPlayer()->FStandIn = true; }},
      {"the turn passed",
       [&] {
         addPlayer("C");
         Form->Game->SetCurrentPlayer(1);
       }},
      {"a rule behind an icon",
       [&] {
         TGameOptions rules = Form->Game->Options();
         rules.NEEDENTERGAME = !rules.NEEDENTERGAME;
         Form->Game->SetOptions(rules);
       }},
      {"a row die put aside", [&] { Form->Game->RowDiceForLoading()[0].Kept = true; }},
      {"a row die on another face",
       [&] { Form->Game->RowDiceForLoading()[1].SetPose(7 - Form->Game->RowDice()[1].Face); }},
      {"the message", [&] { Form->Game->SetMessage("x"); }},
      {"a button's look", [&] { Form->Game->PressButton(TTableButtons::Menu); }},
  };
  for (const TChange& change : gameChanges) {
    const int presents = Form->Presents();
    const int draws = Form->TableDraws();
    change.Make();
    Form->Tick();
    EXPECT_GT(Form->TableDraws(), draws) << change.What;
    EXPECT_GT(Form->Presents(), presents) << change.What;
  }
}

TEST_F(FrameTest, TheScreenKeepsUpWithTheTableThroughBannerFramesAndOverlays) {
  // The window keeps the table between frames and is sent only what changed: every shown frame
  // must still hold the table surface as it is, outside the 3D panel.
  const auto differing = [&] {
    const TRect panel = TfmMain::ShowPanel;
    int count = 0;
    for (int y = 0; y < TfmMain::ClientHeight; ++y)
      for (int x = 0; x < TfmMain::ClientWidth; ++x)
        if (!Contains(panel, x, y) && Form->LastFrame.Pixel(x, y) != Form->DXDraw.Pixel(x, y)) ++count;
    return count;
  };
  for (int i = 0; i < 100; ++i) Form->Tick();
  const int settled = Form->Presents();
  for (int second = 0; second < 12; ++second) {
    Clock.Now += 1000;
    // The banner moves on after a paint; the next paint shows it.
    Form->Tick();
    Form->Tick();
    ASSERT_EQ(differing(), 0) << "second " << second;
  }
  EXPECT_GE(Form->Presents() - settled, 6) << "the banner's frames were shown";

  Form->DXDrawMenu.SetSize(200, 100);
  Form->DXDrawMenu.Fill(0x00123456);
  Form->MenuBounds = {300, 300, 200, 100};  // over the banner strip
  Form->MenuVisible = true;
  Clock.Now += 1000;
  Form->Tick();
  EXPECT_EQ(Form->LastFrame.Pixel(300, 300), 0x00123456u);
  Form->MenuVisible = false;
  Form->Tick();
  EXPECT_EQ(differing(), 0) << "the table again where the overlay was";
  Clock.Now += 1000;
  Form->Tick();
  Form->Tick();
  EXPECT_EQ(differing(), 0) << "and with the banner's next frame";
}

TEST_F(FrameTest, FlyingDiceReachTheScreenOnEveryTick) {
  Form->Game->StartThrow();
  int ticks = 0;
  while (Form->Game->DiceMoving() && ticks < 200) {
    const int presents = Form->Presents();
    Form->Tick();
    EXPECT_EQ(Form->Presents(), presents + 1) << "tick " << ticks;
    ++ticks;
  }
  EXPECT_TRUE(PanelLit(Form->LastFrame));
}

struct TCloseCase {
  const char* Name;
  SDL_Event (*Make)(std::uint32_t windowId);
  friend void PrintTo(const TCloseCase& c, std::ostream* out) { *out << c.Name; }
};

SDL_Event EscapeKey(std::uint32_t windowId) {
  SDL_Event event{};
  event.type = SDL_KEYDOWN;
  event.key.windowID = windowId;
  event.key.keysym.sym = SDLK_ESCAPE;
  return event;
}

SDL_Event CloseBox(std::uint32_t windowId) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.windowID = windowId;
  event.window.event = SDL_WINDOWEVENT_CLOSE;
  return event;
}

class CloseTest : public TWindowTest, public ::testing::WithParamInterface<TCloseCase> {};

TEST_P(CloseTest, ClosesTheWindowOnEveryScreen) {
  for (TScreenKind screen : {TScreenKind::skTable, TScreenKind::skMainMenu, TScreenKind::skPlayers}) {
    auto form = MakeForm();
    form->SetScreen(screen);
    SDL_Event event = GetParam().Make(form->Window().Id());
    ASSERT_EQ(SDL_PushEvent(&event), 1);
    form->ProcessEvents();
    EXPECT_TRUE(form->Closed()) << static_cast<int>(screen);
  }
}

INSTANTIATE_TEST_SUITE_P(Requests, CloseTest,
                         ::testing::Values(TCloseCase{"Escape", EscapeKey}, TCloseCase{"CloseBox", CloseBox}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
