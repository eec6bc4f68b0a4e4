#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "base/image.h"
#include "platform/gl_context.h"
#include "platform/letterbox.h"
#include "platform/picture_texture.h"
#include "platform/window_placement.h"

struct SDL_Window;
class TSurface;

// wfResizable: a window with a caption that the player may size freely and make full screen.
enum class TWindowFrame : std::uint8_t { wfCaption, wfBorderless, wfResizable };

// An SDL window drawing with OpenGL, for composing frames of a fixed-size picture: 2D pictures
// go into the window's picture (one texture, kept between frames) at picture positions and are
// drawn from it scaled as the letterbox says, 3D views draw into the back buffer in the same
// context, and Present shows the result. The first window of the program owns the context;
// others draw with it. Created hidden and centred on the desktop; a resizable one opens at the
// largest whole factor that fits in most of the desktop.
class TGameWindow {
public:
  // `title` is UTF-8. Check Valid(): a machine without a display gives no window.
  TGameWindow(const std::string& title, int width, int height, TWindowFrame frame,
              TGlContextFactory makeContext = MakeSdlGlContext);
  // A window drawing with the context of `contextOwner`, which outlives it.
  TGameWindow(const std::string& title, int width, int height, TWindowFrame frame, TGameWindow& contextOwner);
  ~TGameWindow();
  TGameWindow(const TGameWindow&) = delete;
  TGameWindow& operator=(const TGameWindow&) = delete;

  bool Valid() const { return FWindow != nullptr && FContextOwner->FContext != nullptr; }
  SDL_Window* Handle() const { return FWindow; }
  std::uint32_t Id() const;
  // The picture's size; the window may be any size around it.
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Where the picture lies in the drawable, as of the last BeginFrame.
  const TLetterbox& Letterbox() const { return FBox; }
  // Where the next BeginFrame will lay it, for the window's size now.
  TLetterbox CurrentLetterbox() const;
  void ToggleFullscreen();
  // The window's size out of full screen, and whether it is full screen now.
  TWindowPlacement Placement() const;
  // Takes a kept placement, brought within this desktop; a size never kept leaves the first one.
  void Restore(const TWindowPlacement& kept);

  void Show();
  // The window and task bar icon from a BMP file; unusable data leaves the default icon.
  void SetIcon(std::span<const unsigned char> bmpFile);

  // Makes the context current on this window. A context that cannot be is taken as lost: a new
  // one is made for the next frame and this gives false, as the window draws nothing now.
  bool MakeContextCurrent();
  // How often a lost context was made anew.
  int ContextRebuilds() const { return FContextOwner->FContextRebuilds; }
  // Whether this window draws with `other`'s context.
  bool SharesContextWith(const TGameWindow& other) const { return FContextOwner == other.FContextOwner; }

  // Makes the context current for 2D work (also after a 3D view drew).
  bool BeginFrame();
  // BeginFrame for a new frame: follows the window's size and fills the margin.
  bool BeginComposing();
  // Whether the last BeginFrame had to make the picture anew (the first frame, a new context):
  // nothing sent to it before is there.
  bool PictureMadeAnew() const { return FPictureMadeAnew; }
  // Sends `part` of the surface into the picture, its top left corner at (left, top), without
  // drawing it; what the picture held there is gone.
  void UploadSurface(const TSurface& surface, const TRect& part, int left, int top);
  // Draws `area` of the picture as it was last sent, over what the frame holds there.
  void DrawPicture(const TRect& area);
  // Sends 0x00RRGGBB rows (top row first) with their top left corner at (left, top) and draws them.
  void DrawPixels(const std::uint32_t* pixels, int width, int height, int left, int top);
  void DrawImage(const TImage& image, int left, int top);
  void DrawSurface(const TSurface& surface, int left, int top);
  // The composed picture at its own size, top row first; call before Present.
  TImage ReadFrame();
  // The whole back buffer, margin and scaling included.
  TImage ReadDrawable();
  // Shows the composed frame.
  void Present();
  // Sleeps until the desktop has events for the program (not yet read) or `timeoutMs` passed.
  void WaitForEvents(std::uint32_t timeoutMs) const;

private:
  TGameWindow(const std::string& title, int width, int height, TWindowFrame frame, TGameWindow* contextOwner,
              TGlContextFactory makeContext);
  // What every frame of a window relies on, in a context just made current on it.
  void SetUpContext();

  SDL_Window* FWindow = nullptr;
  TGameWindow* FContextOwner;      // this window, or the one whose context it draws with
  TGlContextFactory FMakeContext;  // only the owner's is used
  std::unique_ptr<IGlContext> FContext;
  int FContextRebuilds = 0;
  int FConnection = -1;  // the X server's socket, watched while the program waits
  int FWidth;
  int FHeight;
  TLetterbox FBox;
  int FWindowedWidth = 0;  // the size to come back to from full screen
  int FWindowedHeight = 0;
  TPictureTexture FPicture;
  bool FPictureMadeAnew = false;
  std::vector<std::uint32_t> FUpload;  // a surface's pixels on their way to the picture
};
