#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "ads/reklama.h"
#include "app/loading_window.h"
#include "app/menu_screens.h"
#include "app/screen_kind.h"
#include "app/table_button_views.h"
#include "base/image.h"
#include "dice/dice_view.h"
#include "game/autosave.h"
#include "game/game.h"
#include "game/game_loop.h"
#include "gfx/button_collection.h"
#include "gfx/letters.h"
#include "gfx/surface_collection.h"
#include "net/net_table_loop.h"
#include "platform/file_dialog.h"
#include "platform/present_gate.h"
#include "platform/session_tcp.h"
#include "platform/surface.h"
#include "platform/gl_canvas.h"
#include "platform/window.h"
#include "platform/window_events.h"

class IClock;
class ILinkOpener;
class IMessageBox;
class ISound;
union SDL_Event;

// What the main window uses of the desktop, handed in so that tests can put fakes in place.
struct TDesktopServices {
  IMessageBox& Messages;
  ISound& Sound;
  ILinkOpener& Links;
  const IClock& Clock;
  std::string Folder;  // the game's data: settings, rule sets and containers
  // The network session's port and waits; tests run hosts on ports of their own.
  TTcpSessionSettings Network = {};
  // Where the game in progress is kept and the file dialogs start; empty: nothing is kept and
  // the dialogs start in Folder.
  std::string UserDataFolder = {};
  // Where the window's size is remembered; empty: it is not.
  std::string UserSettingsFolder = {};
  // Where what can be made again is kept to start faster (the die sprites); empty: nothing is.
  std::string UserCacheFolder = {};
};

// The game's main window: owns the game controller, the banner list, the sprite lists, the
// menu screens with the overlay they draw on, and the desktop objects; drives everything from
// a 15 ms tick with one paint per tick.
class TfmMain : private IWindowEvents, private IScreenHost {
public:
  static constexpr int ClientWidth = 600;
  static constexpr int ClientHeight = 420;
  static constexpr TRect ShowPanel{4, 96, 330, 165};  // pnShow: the 3D view of the throw
  static constexpr std::uint32_t TickMs = 15;
  static constexpr int DisplayBitsPerPixel = 32;

  // Creates the window (hidden) and runs FormCreate.
  explicit TfmMain(TDesktopServices services);
  // FormDestroy.
  ~TfmMain() override;
  TfmMain(const TfmMain&) = delete;
  TfmMain& operator=(const TfmMain&) = delete;

  bool WindowReady() const { return FWindow.Valid(); }

  void FormCreate();
  // Loads the containers behind the loading window (the die sprites from the cache, or drawn on
  // the canvas), reports a failure, shows the window and starts the tick.
  void FormShow();
  // The tick: closes after a failed load, else one table step.
  void DXTimerTimer();
  void FormPaint();
  void FormKeyDown(int key);
  void FormKeyPress(std::uint8_t key);
  void DXDrawMouseDown(TMouseButton button, int x, int y);
  void DXDrawMenuMouseDown(TMouseButton button, int x, int y);
  void DXDrawMenuMouseMove(int x, int y);
  // Tab, Shift+Tab, the arrows, Enter and Space on the open menu screen.
  void MenuKeyDown(int key);
  void FormDestroy();

  // Opens a menu screen on the overlay; skTable closes it.
  void SetScreen(TScreenKind screen) override;
  // The open menu screen's kind; skTable while the overlay is closed.
  TScreenKind CurrentScreen() const;

  // The table screen's step (app/table_screen.cpp): the open menu screen's step, then the
  // game's (Loop: GameStep, ScheduleComputerMove, AutoPressTick, FinishRolling), sounds.
  void LocalTableStep();
  // The same step during a network game: the loop's table buttons then only ask the host.
  void NetTableStep();

  // The open menu screen's step (run first in every table step) and its paint into the overlay.
  void MenuStep();
  void PaintMenu();
  void Close() { FClosed = true; }
  bool Closed() const { return FClosed; }

  // The message loop: events as they come, a tick (and its paint) once 15 ms have passed
  // since the last one, never more than one per turn. Returns when the window closes.
  void Run();
  // Asks the desktop for its events and hands them to the handlers.
  void ProcessEvents();
  // One tick as the loop runs it: the timer's step, then the paint it asked for.
  void Tick();

  // Puts a session in place with a new loop to handle its events: the window's own TCP one
  // from FormCreate; tests hand in others before any network game.
  void UseSession(std::unique_ptr<ISession> session);

  // Owned state (names as the other parts of the shell know them). The session outlives the
  // loop that handles its events.
  std::unique_ptr<ISession> Session;
  std::unique_ptr<TGame> Game;
  std::unique_ptr<TNetTableLoop> Loop;
  std::unique_ptr<TReklama> Reklama;
  std::unique_ptr<TSefraButtonCollection> MenuButtons;  // the open menu screen's
  std::unique_ptr<TMenuScreens> Screens;
  TFocusRing MenuFocus;  // the keyboard's place on the open menu screen
  TSurfaceSortCollection Sprites;
  TLettersCollection Letters;
  TSurfaceSortCollection DieSprites;
  TTableButtonViews TableButtons{&Sprites};
  std::uint8_t LoadError = 0;
  bool UseOpenGL = true;     // the 3D view draws the throw
  std::string DialogFolder;  // where the file dialogs open
  std::string OptionsFile;   // the rule set named by the settings file
  TAutosave Autosave{std::string()};  // the local game in progress, kept on every change
  // Open and save dialogs; the desktop's own when one is installed (tests put a fake here).
  std::unique_ptr<IFileDialog> FileDialogs;
  TLoadTimes LoadTimes;      // how long the loading steps took

  // The table surface, the menu overlay with its place, and the 3D view of the throw.
  TSurface DXDraw;
  TSurface DXDrawMenu;
  TRect MenuBounds;
  bool MenuVisible = false;
  TDiceView DiceView;
  TGlCanvas Canvas;  // OpenGL, loaded for the first throw or the die sprites' first rendering

  // Tests read back each composed frame when this is set.
  bool CaptureFrames = false;
  TImage LastFrame;
  int Paints() const { return FPaints; }
  // Paints whose frame differed from the one on the screen and was shown.
  int Presents() const { return FPresents; }
  // Paints whose table differed from the one on the table surface and was drawn again.
  int TableDraws() const { return FTableDraws; }
  bool TimerEnabled() const { return FTimerEnabled; }
  TGameWindow& Window() { return FWindow; }

private:
  void KeyDown(int virtualKey) override { FormKeyDown(virtualKey); }
  void KeyPress(std::uint8_t code) override { FormKeyPress(code); }
  void MouseDown(TMouseButton button, int x, int y) override;
  void MouseMove(int x, int y) override;
  void CloseRequested() override { Close(); }
  void PictureLost() override {
    FWindow.Exposed();
    FPresentGate.Forget();
  }

  void Dispatch(const SDL_Event& event);
  void ReportLoadError() const;
  void PlayStepSounds(const TStepEvents& events);
  // The table screen and the banner into DXDraw, then the banner's animation (table_screen.cpp).
  void PaintTable();
  // Whether the painted surfaces and the dice make a frame other than the one on the screen.
  bool FrameChanged();

  // What both table steps run; the loop's button actions tell a network game from a local one.
  void TableStep();
  std::string RunFileDialog(const TFileDialogRequest& request) override;
  TNetTableLoop& TableLoop() override { return *Loop; }
  ISession& NetSession() override { return *Session; }
  IMenuScreen* FOpenScreen = nullptr;  // one of Screens; none while the table has the window
  TDrawOver FDrawOver;  // an open in-game dialog, drawn over the composed frame

  TDesktopServices FServices;
  TGameWindow FWindow;
  bool FTimerEnabled = false;
  bool FInvalidated = false;
  bool FClosed = false;
  bool FDestroyed = false;
  int FPaints = 0;
  int FPresents = 0;
  int FTableDraws = 0;
  TFrameKey FTableKey;       // what the table is drawn from, this paint
  TFrameKey FDrawnTableKey;  // and as it was for the picture on DXDraw
  int FDrawnBannerFrame = -1;
  // The part of the window's picture that does not hold DXDraw as it is now.
  TRect FPictureStale;
  TFrameKey FFrameKey;
  TPresentGate FPresentGate;
};
