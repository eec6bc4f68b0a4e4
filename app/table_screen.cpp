// The table screen of the main window: its step on every tick, the mouse on the table, the
// sounds of the game and the paint of the table with its banner.
#include "app/main_form.h"
#include "app/table_zones.h"
#include "game/table_view.h"
#include "platform/clock.h"
#include "platform/link_opener.h"
#include "platform/sound.h"

namespace {

enum TEffect { kLanding = 0, kScoreless = 1, kNewGame = 2, kWin = 3 };

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
  FServices.Sound.Tick();
  if (ChangesSavedGame(events)) Autosave.Keep(*Game);
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
  // An open menu screen keeps the table from presses.
  if (FOpenScreen) return;
  if (Contains(TTableZones::BannerStrip, x, y)) {
    const std::string link = Reklama->LinkOf(Reklama->Index());
    if (!link.empty()) FServices.Links.Open(link);
    return;
  }
  // The loop refuses presses while a computer's press is pending and the turn buttons
  // during a computer's turn.
  if (const auto button = TableButtons.ButtonAt(Game->Buttons(), x, y)) Loop->PressButton(*button);
}

void TfmMain::PaintTable() {
  const TTableView view(*Game, {Sprites, DieSprites, Letters, TableButtons.Show(Game->Buttons())});
  const std::uint32_t now = FServices.Clock.Milliseconds();
  const TImage& banner = Reklama->CurrentImage(now);
  FTableKey.Clear();
  view.AddToKey(FTableKey);
  // The banner's size too: only a banner that covers the last one exactly may be drawn alone.
  for (const int word : {Reklama->Index(), banner.Width, banner.Height}) FTableKey.Add(word);
  // The same game and banner frame draw the same table: the surface keeps it. A new frame of
  // the same banner, the usual change while nobody plays, is drawn over the last one alone.
  const bool tableChanged = FTableDraws == 0 || FTableKey.Words() != FDrawnTableKey.Words();
  if (tableChanged || Reklama->Frame() != FDrawnBannerFrame) {
    if (tableChanged) {
      view.Draw(DXDraw, DXDraw.FullRect());
      FPictureStale = DXDraw.FullRect();
    }
    const TRect& strip = TTableZones::BannerStrip;
    const TRect place{strip.Left, MiddleOf(strip).Y - banner.Height / 2, banner.Width, banner.Height};
    TSurface picture;
    if (picture.LoadImage(banner)) DXDraw.Draw(place.Left, place.Top, picture, false);
    FPictureStale = BoundingRect(FPictureStale, Intersection(place, DXDraw.FullRect()));
    FDrawnTableKey = FTableKey;
    FDrawnBannerFrame = Reklama->Frame();
    ++FTableDraws;
  }
  Reklama->Tick(now);
}
