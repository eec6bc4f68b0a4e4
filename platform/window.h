#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "base/image.h"
#include "platform/gl_context.h"
#include "platform/letterbox.h"
#include "platform/window_placement.h"

struct SDL_Window;
class TSurface;

// wfResizable: a window with a caption that the player may size freely and make full screen.
enum class TWindowFrame : std::uint8_t { wfCaption, wfBorderless, wfResizable };

// An SDL window with its own OpenGL context for composing frames of a fixed-size picture:
// 2D pictures are laid onto the back buffer at picture positions, scaled as the letterbox
// says, 3D views draw into it with contexts of their own, and Present shows the result.
// Created hidden and centred on the desktop; a resizable one opens at the largest whole
// factor that fits in most of the desktop.
class TGameWindow {
public:
  // `title` is UTF-8. Check Valid(): a machine without a display gives no window.
  TGameWindow(const std::string& title, int width, int height, TWindowFrame frame);
  ~TGameWindow();
  TGameWindow(const TGameWindow&) = delete;
  TGameWindow& operator=(const TGameWindow&) = delete;

  bool Valid() const { return FWindow != nullptr && FContext && FContext->Valid(); }
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

  // The window's own context, for 3D work that shares it (the loading preview).
  IGlContext& Context() { return *FContext; }

  // Makes the window's own context current for 2D work (also after a 3D view drew).
  bool BeginFrame();
  // BeginFrame for a new frame: follows the window's size and fills the margin.
  bool BeginComposing();
  // Lays 0x00RRGGBB rows (top row first) with their top left corner at (left, top).
  void DrawPixels(const std::uint32_t* pixels, int width, int height, int left, int top);
  void DrawImage(const TImage& image, int left, int top);
  void DrawSurface(const TSurface& surface, int left, int top);
  // The composed picture at its own size, top row first; call before Present.
  TImage ReadFrame();
  // The whole back buffer, margin and scaling included.
  TImage ReadDrawable();
  // Shows the composed frame.
  void Present();

private:
  SDL_Window* FWindow = nullptr;
  std::unique_ptr<TSdlGlContext> FContext;
  int FWidth;
  int FHeight;
  TLetterbox FBox;
  int FWindowedWidth = 0;  // the size to come back to from full screen
  int FWindowedHeight = 0;
  std::vector<std::uint32_t> FUpload;  // a surface's pixels on their way to the screen
};
