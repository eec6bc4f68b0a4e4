#include "platform/window.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <poll.h>
#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <clocale>
#include <utility>

#include "platform/surface.h"

namespace {

// The margin around the scaled table: the darkest brown of its wood.
constexpr float kMarginRed = 0x1C / 255.0f;
constexpr float kMarginGreen = 0x12 / 255.0f;
constexpr float kMarginBlue = 0x0B / 255.0f;

// The share of the usable desktop a new resizable window may take.
constexpr double kFirstSizeShare = 0.85;

int FirstFactor(int width, int height) {
  SDL_Rect usable{};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
  return LargestFactor(width, height, static_cast<int>(usable.w * kFirstSizeShare),
                       static_cast<int>(usable.h * kFirstSizeShare));
}

// The socket of the window's X server connection; -1 under other video drivers.
int ConnectionOf(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return -1;
  return ConnectionNumber(info.info.x11.display);
}

bool IsFullscreen(SDL_Window* window) { return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0; }

}  // namespace

TGameWindow::TGameWindow(const std::string& title, int width, int height, TWindowFrame frame,
                         TGlContextFactory makeContext)
    : TGameWindow(title, width, height, frame, this, std::move(makeContext)) {}

TGameWindow::TGameWindow(const std::string& title, int width, int height, TWindowFrame frame, TGameWindow& contextOwner)
    : TGameWindow(title, width, height, frame, &contextOwner, {}) {}

TGameWindow::TGameWindow(const std::string& title, int width, int height, TWindowFrame frame, TGameWindow* contextOwner,
                         TGlContextFactory makeContext)
    : FContextOwner(contextOwner), FMakeContext(std::move(makeContext)), FWidth(width), FHeight(height) {
  // X11 keeps the title twice: as UTF-8 and, for older window managers and tools, in the
  // encoding of the program's locale. Without the desktop's locale that second copy would
  // hold the UTF-8 bytes read as Latin-1.
  std::setlocale(LC_CTYPE, "");
  TSdlGlContext::RequestAttributes();
  Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
  if (frame == TWindowFrame::wfBorderless) flags |= SDL_WINDOW_BORDERLESS;
  const bool resizable = frame == TWindowFrame::wfResizable;
  if (resizable) flags |= SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
  const int factor = resizable ? FirstFactor(width, height) : 1;
  FWindow = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width * factor,
                             height * factor, flags);
  if (!FWindow) return;
  if (resizable) SDL_SetWindowMinimumSize(FWindow, width, height);
  FConnection = ConnectionOf(FWindow);
  FBox = FitPicture(width, height, width * factor, height * factor, width * factor);
  if (FContextOwner == this) FContext = FMakeContext(FWindow);
  if (Valid() && FContextOwner->FContext->MakeCurrent(FWindow)) SetUpContext();
}

TGameWindow::~TGameWindow() {
  if (!FWindow) return;
  // A window drawing with another's context leaves no texture in it; the owner's goes with
  // its context.
  if (FContextOwner != this && Valid() && FContextOwner->FContext->MakeCurrent(FWindow))
    FPicture.Delete(FContextOwner->FContextRebuilds);
  if (SDL_GL_GetCurrentWindow() == FWindow) TSdlGlContext::ReleaseCurrent();
  FContext.reset();
  SDL_DestroyWindow(FWindow);
}

void TGameWindow::SetUpContext() {
  // Vertical sync where the driver allows it; a paint may then wait for the display.
  SDL_GL_SetSwapInterval(1);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
}

bool TGameWindow::MakeContextCurrent() {
  if (!Valid()) return false;
  TGameWindow& owner = *FContextOwner;
  if (owner.FContext->MakeCurrent(FWindow)) return true;
  // Lost: deleted, and the next frame draws with a new one.
  owner.FContext.reset();
  owner.FContext = owner.FMakeContext(owner.FWindow);
  ++owner.FContextRebuilds;
  if (owner.FContext && owner.FContext->MakeCurrent(FWindow)) SetUpContext();
  return false;
}

std::uint32_t TGameWindow::Id() const { return FWindow ? SDL_GetWindowID(FWindow) : 0; }

void TGameWindow::Show() {
  if (FWindow) SDL_ShowWindow(FWindow);
}

void TGameWindow::ToggleFullscreen() {
  if (!FWindow) return;
  const bool full = IsFullscreen(FWindow);
  if (!full) SDL_GetWindowSize(FWindow, &FWindowedWidth, &FWindowedHeight);
  SDL_SetWindowFullscreen(FWindow, full ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
}

TWindowPlacement TGameWindow::Placement() const {
  if (!FWindow) return {};
  if (IsFullscreen(FWindow)) return {FWindowedWidth, FWindowedHeight, true};
  TWindowPlacement placement;
  SDL_GetWindowSize(FWindow, &placement.Width, &placement.Height);
  return placement;
}

void TGameWindow::Restore(const TWindowPlacement& kept) {
  if (!FWindow) return;
  SDL_Rect usable{};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) usable = {0, 0, FWidth, FHeight};
  const TWindowPlacement placement = FitPlacement(kept, FWidth, FHeight, usable.w, usable.h);
  if (placement.Width > 0) {
    SDL_SetWindowSize(FWindow, placement.Width, placement.Height);
    SDL_SetWindowPosition(FWindow, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  }
  SDL_GetWindowSize(FWindow, &FWindowedWidth, &FWindowedHeight);
  if (placement.Fullscreen) SDL_SetWindowFullscreen(FWindow, SDL_WINDOW_FULLSCREEN_DESKTOP);
}

void TGameWindow::SetIcon(std::span<const unsigned char> bmpFile) {
  if (!FWindow || bmpFile.empty()) return;
  SDL_RWops* stream = SDL_RWFromConstMem(bmpFile.data(), static_cast<int>(bmpFile.size()));
  SDL_Surface* icon = stream ? SDL_LoadBMP_RW(stream, 1) : nullptr;
  if (!icon) return;
  SDL_SetWindowIcon(FWindow, icon);
  SDL_FreeSurface(icon);
}

TLetterbox TGameWindow::CurrentLetterbox() const {
  if (!FWindow) return FBox;
  // The drawable, not the window's size: under desktop scaling they differ, and only real
  // pixels keep the picture sharp.
  int drawableWidth = 0, drawableHeight = 0, windowWidth = 0, windowHeight = 0;
  SDL_GL_GetDrawableSize(FWindow, &drawableWidth, &drawableHeight);
  SDL_GetWindowSize(FWindow, &windowWidth, &windowHeight);
  return FitPicture(FWidth, FHeight, drawableWidth, drawableHeight, windowWidth);
}

bool TGameWindow::BeginFrame() {
  if (!MakeContextCurrent()) return false;
  FBox = CurrentLetterbox();
  glViewport(0, 0, FBox.DrawableWidth, FBox.DrawableHeight);
  FPictureMadeAnew = FPicture.Prepare(FWidth, FHeight, FContextOwner->FContextRebuilds);
  return true;
}

bool TGameWindow::BeginComposing() {
  if (!BeginFrame()) return false;
  glDisable(GL_SCISSOR_TEST);  // the whole buffer, whatever a 3D view left
  glClearColor(kMarginRed, kMarginGreen, kMarginBlue, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  return true;
}

void TGameWindow::UploadSurface(const TSurface& surface, const TRect& part, int left, int top) {
  const TRect from = Intersection(part, surface.FullRect());
  if (IsEmpty(from)) return;
  FUpload.resize(static_cast<size_t>(from.Width) * from.Height);
  surface.ReadPixels(from, FUpload.data());
  FPicture.Upload(FUpload.data(), from.Width, {left + from.Left, top + from.Top, from.Width, from.Height});
}

void TGameWindow::DrawPicture(const TRect& area) { FPicture.Draw(FBox, area); }

void TGameWindow::DrawPixels(const std::uint32_t* pixels, int width, int height, int left, int top) {
  if (!pixels || width <= 0 || height <= 0) return;
  FPicture.Upload(pixels, width, {left, top, width, height});
  DrawPicture({left, top, width, height});
}

void TGameWindow::DrawImage(const TImage& image, int left, int top) {
  if (image.Pixels.size() != static_cast<size_t>(image.Width) * image.Height) return;
  DrawPixels(image.Pixels.data(), image.Width, image.Height, left, top);
}

void TGameWindow::DrawSurface(const TSurface& surface, int left, int top) {
  UploadSurface(surface, surface.FullRect(), left, top);
  DrawPicture({left, top, surface.Width(), surface.Height()});
}

TImage TGameWindow::ReadDrawable() {
  const int width = FBox.DrawableWidth;
  const int height = FBox.DrawableHeight;
  TImage frame{width, height, std::vector<std::uint32_t>(static_cast<size_t>(width) * height)};
  std::vector<std::uint32_t> rows(frame.Pixels.size());
  glReadPixels(0, 0, width, height, GL_BGRA, GL_UNSIGNED_BYTE, rows.data());
  // GL counts rows from the bottom.
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* from = rows.data() + static_cast<size_t>(height - 1 - y) * width;
    std::transform(from, from + width, frame.Pixels.begin() + static_cast<std::ptrdiff_t>(y) * width,
                   [](std::uint32_t pixel) { return pixel & 0x00FFFFFFu; });
  }
  return frame;
}

TImage TGameWindow::ReadFrame() {
  const TImage drawable = ReadDrawable();
  TImage frame{FWidth, FHeight, std::vector<std::uint32_t>(static_cast<size_t>(FWidth) * FHeight)};
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x)
      frame.Pixels[static_cast<size_t>(y) * FWidth + x] =
          drawable.Pixel(FBox.Left + x * FBox.Factor, FBox.Top + y * FBox.Factor);
  return frame;
}

void TGameWindow::Present() {
  // Swapped with the context current on this window, whose swap interval was set there.
  if (MakeContextCurrent()) SDL_GL_SwapWindow(FWindow);
}

void TGameWindow::WaitForEvents(std::uint32_t timeoutMs) const {
  // SDL's own wait asks the X server for events twice before it sleeps and again when it wakes:
  // watching the socket instead leaves one question per tick, the caller's pump. Events that
  // Xlib read with a reply meanwhile wait in its queue for that pump, at most a tick.
  if (FConnection < 0) {
    SDL_WaitEventTimeout(nullptr, static_cast<int>(timeoutMs));
    return;
  }
  pollfd connection{FConnection, POLLIN, 0};
  ::poll(&connection, 1, static_cast<int>(timeoutMs));
}
