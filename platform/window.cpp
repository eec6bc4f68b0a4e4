#include "platform/window.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <poll.h>

#include <algorithm>
#include <clocale>
#include <cstring>
#include <string_view>


namespace {

// The margin around the scaled table: the darkest brown of its wood.
constexpr std::uint32_t kMarginColour = 0x1C120B;

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

// Pixels the frame can hold as they are: 0x00RRGGBB in 32 bits.
bool HoldsPictureFormat(const SDL_Surface* surface) {
  return surface->format->BytesPerPixel == 4 && surface->format->Rmask == 0x00FF0000u &&
         surface->format->Gmask == 0x0000FF00u && surface->format->Bmask == 0x000000FFu;
}

bool HasOwnPixels(const char* videoDriver) {
  const std::string_view driver = videoDriver ? videoDriver : "";
  return driver == "x11" || driver == "offscreen" || driver == "dummy";
}

SDL_Rect SdlRect(const TRect& rect) { return {rect.Left, rect.Top, rect.Width, rect.Height}; }

}  // namespace

TGameWindow::TGameWindow(const std::string& title, int width, int height, TWindowFrame frame)
    : FWidth(width), FHeight(height) {
  // X11 keeps the title twice: as UTF-8 and, for older window managers and tools, in the
  // encoding of the program's locale. Without the desktop's locale that second copy would
  // hold the UTF-8 bytes read as Latin-1.
  std::setlocale(LC_CTYPE, "");
  // The window's pixels in plain memory shared with the X server: SDL would otherwise back them
  // with an OpenGL renderer and load the driver for a picture that needs none. Drivers without
  // pixels of their own (Wayland) keep SDL's choice, a renderer.
  if (HasOwnPixels(SDL_GetCurrentVideoDriver())) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  Uint32 flags = SDL_WINDOW_HIDDEN;
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
}

TGameWindow::~TGameWindow() {
  if (!FWindow) return;
  FreeShadow();
  SDL_DestroyWindow(FWindow);
}

void TGameWindow::FreeShadow() {
  if (FFrame != FWindowPixels) SDL_FreeSurface(FFrame);
  FFrame = nullptr;
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
  // Real pixels, not the window's size: under desktop scaling they differ, and only real pixels
  // keep the picture sharp.
  int pixelWidth = 0, pixelHeight = 0, windowWidth = 0, windowHeight = 0;
  SDL_GetWindowSizeInPixels(FWindow, &pixelWidth, &pixelHeight);
  SDL_GetWindowSize(FWindow, &windowWidth, &windowHeight);
  return FitPicture(FWidth, FHeight, pixelWidth, pixelHeight, windowWidth);
}

bool TGameWindow::BeginComposing() {
  if (!FWindow) return false;
  // The desktop lends new pixels after every change of size; the old ones are gone with it.
  SDL_Surface* pixels = SDL_GetWindowSurface(FWindow);
  if (!pixels) return false;
  // Compared by their memory and size too: new ones may come at the old address.
  FPictureMadeAnew = FFrame == nullptr || pixels != FWindowPixels || pixels->pixels != FWindowPixelData ||
                     pixels->w != FFrame->w || pixels->h != FFrame->h;
  if (FPictureMadeAnew) {
    FreeShadow();
    FChanged.clear();  // parts of the old pixels
    FWindowPixels = pixels;
    FWindowPixelData = pixels->pixels;
    FFrame = HoldsPictureFormat(pixels)
                 ? pixels
                 : SDL_CreateRGBSurfaceWithFormat(0, pixels->w, pixels->h, 32, SDL_PIXELFORMAT_RGB888);
    if (!FFrame) return false;
    int windowWidth = 0, windowHeight = 0;
    SDL_GetWindowSize(FWindow, &windowWidth, &windowHeight);
    FBox = FitPicture(FWidth, FHeight, FFrame->w, FFrame->h, windowWidth);
    FillMargin();
  }
  return true;
}

void TGameWindow::FillMargin() {
  const int right = FBox.Left + FWidth * FBox.Factor;
  const int bottom = FBox.Top + FHeight * FBox.Factor;
  FillReal({0, 0, FFrame->w, FBox.Top}, kMarginColour);
  FillReal({0, bottom, FFrame->w, FFrame->h - bottom}, kMarginColour);
  FillReal({0, FBox.Top, FBox.Left, bottom - FBox.Top}, kMarginColour);
  FillReal({right, FBox.Top, FFrame->w - right, bottom - FBox.Top}, kMarginColour);
}

std::uint32_t* TGameWindow::Row(int y) const {
  return reinterpret_cast<std::uint32_t*>(static_cast<unsigned char*>(FFrame->pixels) +
                                          static_cast<std::ptrdiff_t>(y) * FFrame->pitch);
}

void TGameWindow::Changed(const TRect& area) {
  if (!IsEmpty(area)) FChanged.push_back(area);
}

void TGameWindow::Lay(const TRect& area, const std::uint32_t* first, std::ptrdiff_t stride) {
  const TRect inside = Intersection(area, {0, 0, FWidth, FHeight});
  if (!FFrame || !first || IsEmpty(inside)) return;
  first += (inside.Top - area.Top) * stride + (inside.Left - area.Left);
  const int k = FBox.Factor;
  const TRect real = Intersection(
      {FBox.Left + inside.Left * k, FBox.Top + inside.Top * k, inside.Width * k, inside.Height * k},
      {0, 0, FFrame->w, FFrame->h});
  if (IsEmpty(real)) return;
  // A row is widened once and repeated for the factor's other rows.
  const int pictureLeft = FBox.Left + inside.Left * k;
  const int pictureTop = FBox.Top + inside.Top * k;
  for (int y = real.Top; y < real.Top + real.Height; ++y) {
    std::uint32_t* to = Row(y) + real.Left;
    if (y > real.Top && (y - FBox.Top) % k != 0) {
      std::memcpy(to, Row(y - 1) + real.Left, static_cast<std::size_t>(real.Width) * sizeof(std::uint32_t));
      continue;
    }
    const std::uint32_t* from = first + static_cast<std::ptrdiff_t>((y - pictureTop) / k) * stride;
    const std::uint32_t* const end = to + real.Width;
    from += (real.Left - pictureLeft) / k;
    // A first pixel cut by the frame's edge comes fewer times.
    int repeat = k - (real.Left - pictureLeft) % k;
    while (to < end) {
      const std::uint32_t pixel = *from++;
      for (int i = 0; i < repeat && to < end; ++i) *to++ = pixel;
      repeat = k;
    }
  }
  Changed(real);
}

void TGameWindow::DrawPixels(const std::uint32_t* pixels, int width, int height, int left, int top) {
  if (width > 0 && height > 0) Lay({left, top, width, height}, pixels, width);
}

void TGameWindow::DrawImage(const TImage& image, int left, int top) {
  if (image.Pixels.size() != static_cast<size_t>(image.Width) * image.Height) return;
  DrawPixels(image.Pixels.data(), image.Width, image.Height, left, top);
}

void TGameWindow::DrawSurfacePart(const TSurface& surface, const TRect& part, int left, int top) {
  const TRect from = Intersection(part, surface.FullRect());
  if (IsEmpty(from)) return;
  Lay({left + from.Left, top + from.Top, from.Width, from.Height}, surface.RowPixels(from.Top) + from.Left,
      surface.Stride());
}

void TGameWindow::DrawRealPixels(const TImage& image, int left, int top) {
  if (!FFrame || image.Pixels.size() != static_cast<size_t>(image.Width) * image.Height) return;
  const TRect to = Intersection({left, top, image.Width, image.Height}, {0, 0, FFrame->w, FFrame->h});
  for (int y = to.Top; y < to.Top + to.Height; ++y)
    std::copy_n(image.Pixels.begin() + static_cast<std::ptrdiff_t>(y - top) * image.Width + (to.Left - left), to.Width,
                Row(y) + to.Left);
  Changed(to);
}

void TGameWindow::FillReal(const TRect& area, std::uint32_t colour) {
  if (!FFrame) return;
  const TRect to = Intersection(area, {0, 0, FFrame->w, FFrame->h});
  for (int y = to.Top; y < to.Top + to.Height; ++y) std::fill_n(Row(y) + to.Left, to.Width, colour & 0x00FFFFFFu);
  Changed(to);
}

TImage TGameWindow::ReadDrawable() const {
  if (!FFrame) return {};
  TImage frame{FFrame->w, FFrame->h, std::vector<std::uint32_t>(static_cast<size_t>(FFrame->w) * FFrame->h)};
  for (int y = 0; y < FFrame->h; ++y)
    std::transform(Row(y), Row(y) + FFrame->w, frame.Pixels.begin() + static_cast<std::ptrdiff_t>(y) * FFrame->w,
                   [](std::uint32_t pixel) { return pixel & 0x00FFFFFFu; });
  return frame;
}

TImage TGameWindow::ReadFrame() const {
  TImage frame{FWidth, FHeight, std::vector<std::uint32_t>(static_cast<size_t>(FWidth) * FHeight)};
  if (!FFrame) return frame;
  for (int y = 0; y < FHeight; ++y)
    for (int x = 0; x < FWidth; ++x) {
      const int realX = FBox.Left + x * FBox.Factor;
      const int realY = FBox.Top + y * FBox.Factor;
      if (realX < FFrame->w && realY < FFrame->h)
        frame.Pixels[static_cast<size_t>(y) * FWidth + x] = Row(realY)[realX] & 0x00FFFFFFu;
    }
  return frame;
}

void TGameWindow::Present() {
  if (!FFrame) return;
  if (FAllChanged) {
    FChanged.assign(1, {0, 0, FFrame->w, FFrame->h});
    FAllChanged = false;
  }
  if (FChanged.empty()) return;
  std::vector<SDL_Rect> rects;
  rects.reserve(FChanged.size());
  for (const TRect& rect : FChanged) rects.push_back(SdlRect(rect));
  FChanged.clear();
  if (FFrame != FWindowPixels)
    for (SDL_Rect& rect : rects) SDL_BlitSurface(FFrame, &rect, FWindowPixels, &rect);
  SDL_UpdateWindowSurfaceRects(FWindow, rects.data(), static_cast<int>(rects.size()));
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
