#pragma once

#include <cstdint>
#include <string>

#include "base/image.h"
#include "platform/gl_canvas.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "platform/window_events.h"

class IClock;
class TGame;
class TLettersCollection;
class TReklama;
class TSurfaceSortCollection;

// Where the loading window puts what it loads.
struct TLoadTargets {
  TGame& Game;                      // its dice tumble in the preview and pose for the sprites
  TSurfaceSortCollection& Sprites;  // from "graph.col"
  TLettersCollection& Letters;      // from "font.col"
  TSurfaceSortCollection& DieSprites;
  TReklama& Banners;                // from "rekl.col"
  int DisplayBitsPerPixel;          // picks the font colours
};

// How long each loading step took, in milliseconds.
struct TLoadTimes {
  std::int32_t Graphics = 0;
  std::int32_t Fonts = 0;
  std::int32_t DieSprites = 0;
  std::int32_t Banners = 0;
};

// The small borderless window shown while the containers load: its picture and three row
// dice in the panel at (1, 3), turning from their kept sprites or, while the sprites are being
// rendered on the canvas, tumbling in 3D. It refuses to close. Loading runs on the caller's
// thread; every step lets pending events run and the preview repaint every 15 ms.
class TfmLoading : private IWindowEvents {
public:
  static constexpr int Width = 200;
  static constexpr int Height = 125;
  static constexpr TRect PreviewPanel{1, 3, 198, 88};

  // Shows the window, resets the game's dice with random faces and random tumbling spins, takes
  // the die sprites from `dieSpriteCacheFile` when it holds this program's (empty: no cache)
  // and paints the first preview. The containers are looked for in `dataFolder`; `canvas`
  // renders what the cache did not give and outlives this window.
  TfmLoading(TLoadTargets targets, std::string dataFolder, const IClock& clock, TGlCanvas& canvas,
             std::string dieSpriteCacheFile = {});
  TfmLoading(const TfmLoading&) = delete;
  TfmLoading& operator=(const TfmLoading&) = delete;

  // The whole sequence: graphics, fonts, die sprites, banners; stops at the first failure
  // and leaves its number in LoadError (1 "graph.col", 2 "font.col", 3 "rekl.col" or fewer
  // than two banners).
  bool LoadAll();
  bool LoadGraphics();
  bool LoadFonts();

  // Lets pending events run; repaints the preview once 15 ms have passed since the last.
  void ProcessMessages();
  void PaintPreview();

  std::uint8_t LoadError = 0;
  TLoadTimes LoadTimes;

  TGameWindow& Window() { return FWindow; }
  int PreviewPaints() const { return FPreviewPaints; }
  int RefusedCloses() const { return FRefusedCloses; }
  // The system asked the program to quit while loading; the main window honours it after.
  bool QuitRequested() const { return FQuitRequested; }

private:
  void KeyDown(int) override {}
  void KeyPress(std::uint8_t) override {}
  void MouseDown(TMouseButton, int, int) override {}
  void MouseMove(int, int) override {}
  void CloseRequested() override { ++FRefusedCloses; }

  std::string PathOf(const char* fileName) const;
  // From the cache when this program made it; false leaves them to be rendered.
  bool ReadCachedDieSprites();
  // Rendered on the canvas when the cache gave none, and kept in it.
  void LoadDieSprites();
  // The three preview dice as the panel shows them now.
  TImage PreviewDice();
  TImage PreviewFromSprites() const;

  TLoadTargets FTargets;
  std::string FDataFolder;
  const IClock& FClock;
  TGlCanvas& FCanvas;
  std::string FDieSpriteCacheFile;  // empty: rendered on every start
  TGameWindow FWindow;
  TImage FPicture;
  bool FSpritesReady = false;  // the sheet is whole: the preview turns its sprites
  std::uint32_t FLastPaint = 0;
  int FPreviewPaints = 0;
  int FRefusedCloses = 0;
  bool FQuitRequested = false;
};
