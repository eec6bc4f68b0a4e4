#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/image.h"
#include "base/rect.h"
#include "platform/letterbox.h"
#include "platform/surface.h"
#include "platform/window_placement.h"

struct SDL_Surface;
struct SDL_Window;

// wfResizable: a window with a caption that the player may size freely and make full screen.
enum class TWindowFrame : std::uint8_t { wfCaption, wfBorderless, wfResizable };

// An SDL window showing a fixed-size picture, composed in the program's memory and sent to the
// desktop as plain pixels: 2D pictures are laid at picture positions, scaled as the letterbox
// says, 3D views lay what they drew off screen at real pixels, and Present shows only what
// changed since the last. No OpenGL is loaded for it. Created hidden and
// centred on the desktop; a resizable one opens at the largest whole factor that fits in most of
// the desktop.
class TGameWindow {
public:
  // `title` is UTF-8. Check Valid(): a machine without a display gives no window.
  TGameWindow(const std::string& title, int width, int height, TWindowFrame frame);
  ~TGameWindow();
  TGameWindow(const TGameWindow&) = delete;
  TGameWindow& operator=(const TGameWindow&) = delete;

  bool Valid() const { return FWindow != nullptr; }
  SDL_Window* Handle() const { return FWindow; }
  std::uint32_t Id() const;
  // The picture's size; the window may be any size around it.
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Where the picture lies in the drawable, as of the last BeginComposing.
  const TLetterbox& Letterbox() const { return FBox; }
  // Where the next BeginComposing will lay it, for the window's size now.
  TLetterbox CurrentLetterbox() const;
  void ToggleFullscreen();
  // The window's size out of full screen, and whether it is full screen now.
  TWindowPlacement Placement() const;
  // Takes a kept placement, brought within this desktop; a size never kept leaves the first one.
  void Restore(const TWindowPlacement& kept);

  void Show();
  // The window and task bar icon from a BMP file; unusable data leaves the default icon.
  void SetIcon(std::span<const unsigned char> bmpFile);

  // Starts a frame: follows the window's size. False when the desktop gives no pixels to draw in.
  bool BeginComposing();
  // Whether the last BeginComposing made the frame anew (the first frame, a new size): nothing
  // drawn before is on it, the margin is filled and the whole picture must be drawn.
  bool PictureMadeAnew() const { return FPictureMadeAnew; }
  // Lays 0x00RRGGBB rows (top row first) with their top left corner at picture (left, top).
  void DrawPixels(const std::uint32_t* pixels, int width, int height, int left, int top);
  void DrawImage(const TImage& image, int left, int top);
  // Lays `part` of the surface with the surface's top left corner at picture (left, top).
  void DrawSurfacePart(const TSurface& surface, const TRect& part, int left, int top);
  void DrawSurface(const TSurface& surface, int left, int top) {
    DrawSurfacePart(surface, surface.FullRect(), left, top);
  }
  // Lays an image of real drawable pixels (a 3D view drawn at the scaled size) with its top left
  // corner at (left, top) of the drawable.
  void DrawRealPixels(const TImage& image, int left, int top);
  // Fills a rectangle of the drawable with one 0x00RRGGBB colour.
  void FillReal(const TRect& area, std::uint32_t colour);
  // The composed picture at its own size, top row first.
  TImage ReadFrame() const;
  // The whole drawable, margin and scaling included.
  TImage ReadDrawable() const;
  // Shows what was drawn since the last Present.
  void Present();
  // The desktop lost what the window showed: the next Present shows all of it again.
  void Exposed() { FAllChanged = true; }
  // Sleeps until the desktop has events for the program (not yet read) or `timeoutMs` passed.
  void WaitForEvents(std::uint32_t timeoutMs) const;

private:
  // The frame's pixels of row `y`, 0x00RRGGBB.
  std::uint32_t* Row(int y) const;
  // Lays `area` of the picture from pixels whose first row starts with the area's top left
  // pixel and whose rows lie `stride` apart, each pixel a square of the factor.
  void Lay(const TRect& area, const std::uint32_t* first, std::ptrdiff_t stride);
  void Changed(const TRect& area);
  // Fills the frame around the picture, which the caller lays whole.
  void FillMargin();
  void FreeShadow();

  SDL_Window* FWindow = nullptr;
  SDL_Surface* FWindowPixels = nullptr;  // as the desktop lent them last
  void* FWindowPixelData = nullptr;
  // Where frames are composed: the window's own pixels, or a copy in the picture's format when
  // the desktop's differ (a display of other than 24 bits), converted as they are shown.
  SDL_Surface* FFrame = nullptr;
  int FConnection = -1;  // the X server's socket, watched while the program waits
  int FWidth;
  int FHeight;
  TLetterbox FBox;
  int FWindowedWidth = 0;  // the size to come back to from full screen
  int FWindowedHeight = 0;
  bool FPictureMadeAnew = false;
  bool FAllChanged = false;
  std::vector<TRect> FChanged;  // drawable rectangles drawn since the last Present
};
