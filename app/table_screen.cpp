// The table screen of the main window: its step on every tick, the mouse on the table, the
// sounds of the game and the paint of the table with its banner.
#include <algorithm>

#include "app/main_form.h"
#include "game/table_view.h"
#include "platform/clock.h"
#include "platform/link_opener.h"
#include "platform/sound.h"

namespace {

// The banner strip at the foot of the table: a press there opens the shown banner's link.
constexpr int kBannerLeft = 22;
constexpr int kBannerRight = 490;
constexpr int kBannerTop = 357;
constexpr int kBannerBottom = 417;
// The banner is drawn with its left edge here, centred on this line.
constexpr int kBannerMiddle = 387;

enum TEffect { kLanding = 0, kScoreless = 1, kNewGame = 2, kWin = 3 };

bool InBannerStrip(int x, int y) {
  return x >= kBannerLeft && x <= kBannerRight && y >= kBannerTop && y <= kBannerBottom;
}

}  // namespace

void TfmMain::LocalTableStep() { TableStep(); }

// The network game differs in the table buttons only, and those are the loop's.
void TfmMain::NetTableStep() { TableStep(); }

void TfmMain::TableStep() {
  // The open menu screen steps first; the game under it goes on whatever is open.
  MenuStep();
  const TStepEvents events = Loop->TableStep();
  if (events.MenuRequested) SetScreen(TScreenKind::skMainMenu);
  PlayStepSounds(events);
  FInvalidated = true;
}

// Several dice touching down on one step give one sound.
void TfmMain::PlayStepSounds(const TStepEvents& events) {
  if (events.Landing) FServices.Sound.Play(kLanding);
  if (events.Settled && events.Outcome == TThrowOutcome::Zero) FServices.Sound.Play(kScoreless);
  if (events.GameStarted) FServices.Sound.Play(kNewGame);
  if (events.GameWon) FServices.Sound.Play(kWin);
}

// A press only marks a button as pressed; its action runs in the step in which the pressed
// look ends.
void TfmMain::DXDrawMouseDown(TMouseButton, int x, int y) {
  if (CurrentScreen != TScreenKind::skTable) return;
  if (InBannerStrip(x, y)) {
    const std::string link = Reklama->LinkOf(Reklama->Index());
    if (!link.empty()) FServices.Links.Open(link);
    return;
  }
  const int hit = TableButtons.MouseDown(x, y, 0, 0);
  if (hit < 0) return;
  const auto& names = TTableButtons::Names;
  const auto name = std::find(names.begin(), names.end(), TableButtons.GetName(hit));
  // The loop refuses presses while a computer's press is pending and the turn buttons
  // during a computer's turn.
  if (name != names.end()) Loop->PressButton(static_cast<TTableButtons::TIndex>(name - names.begin()));
}

void TfmMain::PaintTable() {
  TTableView(*Game, {Sprites, DieSprites, Letters, TableButtons}).Draw(DXDraw, DXDraw.FullRect());
  const std::uint32_t now = FServices.Clock.Milliseconds();
  const TImage& banner = Reklama->CurrentImage(now);
  TSurface picture;
  if (picture.LoadImage(banner)) DXDraw.Draw(kBannerLeft, kBannerMiddle - banner.Height / 2, picture, false);
  Reklama->Tick(now);
}
