#include "app/main_form.h"

#include <SDL.h>

#include <cstdio>
#include <filesystem>

#include "app/loading_window.h"
#include "app/mouse_routing.h"
#include "app/settings.h"
#include "app/table_keys.h"
#include "app/tick_timer.h"
#include "assets/embedded.h"
#include "base/cp1251.h"
#include "dice/die_sprite_cache.h"
#include "game/message_texts.h"
#include "game/random.h"
#include "platform/clock.h"
#include "platform/file_dialog_ingame.h"
#include "platform/link_opener.h"
#include "platform/message_box.h"
#include "platform/quit_signals.h"
#include "platform/sound.h"

namespace {

// The caption of the window and of the message boxes.
constexpr const char* kTitle = "Тысяча";

struct TLoadFailure {
  const char* Message;
  const char* FileName;
};

// By LoadError 1, 2, 3.
constexpr TLoadFailure kLoadFailures[] = {
    {"Ошибка загрузки графики!\r\nОтстутствует файл %s", "graph.col"},
    {"Ошибка загрузки шрифтов!\r\nОтстутствует файл %s", "font.col"},
    {"Ошибка загрузки рекламы!\r\nОтстутствует файл %s", "rekl.col"},
};

}  // namespace

TfmMain::TfmMain(TDesktopServices services)
    : DiceView(ShowPanel, ClientHeight),
      FServices(std::move(services)),
      FWindow(kTitle, ClientWidth, ClientHeight, TWindowFrame::wfResizable) {
  if (!FServices.UserSettingsFolder.empty()) FWindow.Restore(ReadWindowPlacement(FServices.UserSettingsFolder));
  FormCreate();
}

TfmMain::~TfmMain() { FormDestroy(); }

void TfmMain::FormCreate() {
  SeedRandomFromClock();
  Game = std::make_unique<TGame>();
  UseSession(std::make_unique<TTcpSession>(FServices.Network));
  Game->ResetDice(true);
  Game->SetMessage(StartMessage());
  UseOpenGL = true;
  Reklama = std::make_unique<TReklama>();
  LoadError = 0;
  OptionsFile = OptionsFilePath(FServices.Folder);
  std::error_code error;
  if (std::filesystem::is_regular_file(OptionsFile, error)) Game->LoadOptions(OptionsFile);
  MenuButtons = std::make_unique<TSefraButtonCollection>();
  FileDialogs = MakeDesktopFileDialog(FWindow, Sprites, Letters);
  DialogFolder = FServices.UserDataFolder.empty() ? FServices.Folder : FServices.UserDataFolder;
  if (!FServices.UserDataFolder.empty()) Autosave = TAutosave(FServices.UserDataFolder + "/" + AutosaveFileName);
  // A message box or dialog holds the thread: a signal can no longer end the program cleanly,
  // so the game is kept first, and nothing is polled, so the other machines of a network game
  // are told not to take the silence for leaving. The window is painted as it stands now, so
  // the box does not stand over a frame its cause has already changed.
  SetBeforeModal([this] {
    if (Session) Session->GoQuiet();
    if (Game) Autosave.Keep(*Game);
    if (FTimerEnabled && !FClosed) FormPaint();
  });
  Screens = std::make_unique<TMenuScreens>(TScreenContext{*Game, *this, FServices.Messages, FServices.Links, Sprites,
                                                          Letters, *MenuButtons, DialogFolder});
  SetScreen(TScreenKind::skTable);
  FWindow.SetIcon(EmbeddedWindowIcon());
}

void TfmMain::UseSession(std::unique_ptr<ISession> session) {
  Loop.reset();
  Session = std::move(session);
  Loop = std::make_unique<TNetTableLoop>(*Game, *Session);
  // What the session's messages bring about between ticks sounds as it would in a step.
  Loop->SetEventSink([this](const TStepEvents& events) {
    PlayStepSounds(events);
    if (ChangesSavedGame(events)) Autosave.Keep(*Game);
    FInvalidated = true;
  });
}

void TfmMain::FormShow() {
  DXDraw.SetSize(ClientWidth, ClientHeight);
  {
    const std::string cacheFile =
        FServices.UserCacheFolder.empty() ? std::string() : FServices.UserCacheFolder + "/" + DieSpriteCacheFileName;
    TfmLoading loading({*Game, Sprites, Letters, DieSprites, *Reklama, DisplayBitsPerPixel}, FServices.Folder,
                       FServices.Clock, Canvas, cacheFile);
    loading.LoadAll();
    LoadError = loading.LoadError;
    LoadTimes = loading.LoadTimes;
    if (loading.QuitRequested()) Close();
  }
  if (LoadError != 0) ReportLoadError();
  if (LoadError == 0) Autosave.Restore(*Game);
  Game->ResetDice(true);
  Game->UpdateButtons();
  // After a failed load nothing is painted before the first tick closes the window.
  if (LoadError == 0) FWindow.Show();
  FTimerEnabled = true;
}

void TfmMain::ReportLoadError() const {
  if (LoadError < 1 || LoadError > 3) return;
  const TLoadFailure& failure = kLoadFailures[LoadError - 1];
  char text[160];
  std::snprintf(text, sizeof text, Cp1251(failure.Message).c_str(), failure.FileName);
  FServices.Messages.Show(text);
}

void TfmMain::DXTimerTimer() {
  if (!FTimerEnabled) return;
  if (LoadError != 0) {
    Close();
    return;
  }
  if (Game->NetGame())
    NetTableStep();
  else
    LocalTableStep();
}

void TfmMain::FormPaint() {
  FInvalidated = false;
  if (LoadError != 0) return;
  PaintTable();
  PaintMenu();
  ++FPaints;
  if (!FrameChanged()) return;
  if (!FWindow.BeginComposing()) {
    // Nothing to draw in: the same frame must go through again.
    FPresentGate.Forget();
    return;
  }
  DiceView.Place(FWindow.Letterbox());
  // The window keeps the frame between presents: only what changed on it is laid again.
  if (FWindow.PictureMadeAnew()) FPictureStale = DXDraw.FullRect();
  FWindow.DrawSurfacePart(DXDraw, FPictureStale, 0, 0);
  const bool panelCovered = !IsEmpty(Intersection(FPictureStale, ShowPanel));
  FPictureStale = {};
  // A lost context, made anew, drew nothing: the dice go through again with the next frame.
  if (UseOpenGL && (panelCovered || DiceView.Changed(*Game)) && !DiceView.Paint(*Game, Canvas, FWindow))
    FPresentGate.Forget();
  if (MenuVisible) {
    FWindow.DrawSurface(DXDrawMenu, MenuBounds.Left, MenuBounds.Top);
    FPictureStale = {MenuBounds.Left, MenuBounds.Top, DXDrawMenu.Width(), DXDrawMenu.Height()};
  }
  if (FDrawOver) {
    FDrawOver(FWindow);
    FPictureStale = DXDraw.FullRect();
  }
  if (CaptureFrames) LastFrame = FWindow.ReadFrame();
  FWindow.Present();
  ++FPresents;
}

bool TfmMain::FrameChanged() {
  // An open dialog draws straight onto the frame, out of the key: those frames are all shown,
  // and so is the first one after the dialog. The table stands in the key by its drawings
  // (PaintTable draws only what changed); the open menu screen, drawn every tick, by its pixels.
  if (FDrawOver) {
    FPresentGate.Forget();
    return true;
  }
  FFrameKey.Clear();
  const TLetterbox box = FWindow.CurrentLetterbox();
  for (const int size : {box.DrawableWidth, box.DrawableHeight, box.Factor}) FFrameKey.Add(size);
  DiceView.AddToKey(*Game, FFrameKey);
  FFrameKey.Add(FTableDraws);
  FFrameKey.Add(MenuVisible);
  if (MenuVisible) {
    for (const int edge : {MenuBounds.Left, MenuBounds.Top}) FFrameKey.Add(edge);
    DXDrawMenu.ReadPixels(
        FFrameKey.Extend(static_cast<std::size_t>(DXDrawMenu.Width()) * DXDrawMenu.Height()).data());
  }
  return FPresentGate.Admit(FFrameKey);
}

void TfmMain::FormKeyDown(int key) {
  if (key == VkEscape) {
    Close();
    return;
  }
  if (key == VkF11) {
    FWindow.ToggleFullscreen();
    return;
  }
  if (LoadError != 0) return;
  // An open menu screen keeps the table's keys, as it keeps the table from presses.
  if (FOpenScreen) {
    MenuKeyDown(key);
    return;
  }
  if (key == RulesPageKey) FServices.Links.Open(RulesPageFile);
  // The loop refuses as for a click: a disabled button, the turn buttons on a computer's turn.
  if (const auto button = TableButtonOfKey(key)) Loop->PressButton(*button);
}

void TfmMain::MouseDown(TMouseButton button, int x, int y) {
  const TRoutedMouse routed = RouteMouse(x, y, MenuVisible, MenuBounds, ShowPanel);
  if (routed.Target == TMouseTarget::mtMenu) DXDrawMenuMouseDown(button, routed.X, routed.Y);
  if (routed.Target == TMouseTarget::mtTable) DXDrawMouseDown(button, routed.X, routed.Y);
}

// Only the menu screens follow the mouse.
void TfmMain::MouseMove(int x, int y) {
  const TRoutedMouse routed = RouteMouse(x, y, MenuVisible, MenuBounds, ShowPanel);
  if (routed.Target == TMouseTarget::mtMenu) DXDrawMenuMouseMove(routed.X, routed.Y);
}

void TfmMain::FormDestroy() {
  if (FDestroyed) return;
  FDestroyed = true;
  if (!FServices.UserSettingsFolder.empty()) WriteWindowPlacement(FServices.UserSettingsFolder, FWindow.Placement());
  Autosave.Keep(*Game);
  SetBeforeModal(nullptr);
  Session->Close();
  FTimerEnabled = false;
  Loop.reset();
  Game.reset();
  Session.reset();
  Screens.reset();
  MenuButtons.reset();
  Reklama.reset();
}

void TfmMain::Dispatch(const SDL_Event& event) { DispatchWindowEvent(event, FWindow.Id(), FWindow.Letterbox(), *this); }

void TfmMain::ProcessEvents() {
  SDL_PumpEvents();
  SDL_Event event;
  // What the pump queued, without asking the desktop again as SDL_PollEvent does per event.
  // Drained to the end even once closed, as the events behind belong to nobody else.
  while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1)
    if (!FClosed) Dispatch(event);
}

void TfmMain::Tick() {
  // Messages and joiners arrive here, between the steps, a bounded amount at a time.
  Session->Poll();
  DXTimerTimer();
  if (FInvalidated && !FClosed) FormPaint();
}

void TfmMain::Run() {
  TTickTimer timer(TickMs, FServices.Clock.Milliseconds());
  while (!FClosed) {
    if (QuitSignalled()) Close();
    const std::uint32_t wait = timer.Remaining(FServices.Clock.Milliseconds());
    // Sleeps until the tick is due or the desktop sends something, then asks it once.
    if (wait > 0) FWindow.WaitForEvents(wait);
    ProcessEvents();
    if (!FClosed && timer.TakeTick(FServices.Clock.Milliseconds())) Tick();
  }
}
