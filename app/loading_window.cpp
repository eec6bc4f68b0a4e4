#include "app/loading_window.h"

#include <SDL.h>

#include <exception>
#include <filesystem>

#include "ads/reklama.h"
#include "assets/embedded.h"
#include "base/file_version.h"
#include "dice/dice_scene.h"
#include "dice/die_sprite_cache.h"
#include "dice/die_sprites.h"
#include "dice/gl_headers.h"
#include "game/game.h"
#include "game/random.h"
#include "gfx/graph_collection.h"
#include "gfx/jpeg_decoder.h"
#include "gfx/letters.h"
#include "gfx/sprite_loading.h"
#include "platform/clock.h"

namespace {

constexpr std::uint32_t kPreviewInterval = 15;

TImage LoadingPicture() {
  const auto jpeg = EmbeddedLoadingPicture();
  try {
    return DecodeJpeg(std::string_view(reinterpret_cast<const char*>(jpeg.data()), jpeg.size()));
  } catch (const std::exception&) {
    return {};  // the window shows its black panel on black
  }
}

float RandomSpin() { return 2.0f + 5.0f * static_cast<float>(Rng().RandomReal()); }

}  // namespace

TfmLoading::TfmLoading(TLoadTargets targets, std::string dataFolder, const IClock& clock, TGlCanvas& canvas,
                       std::string dieSpriteCacheFile)
    : FTargets(targets),
      FDataFolder(std::move(dataFolder)),
      FClock(clock),
      FCanvas(canvas),
      FDieSpriteCacheFile(std::move(dieSpriteCacheFile)),
      FWindow("Загрузка...", Width, Height, TWindowFrame::wfBorderless),
      FPicture(LoadingPicture()) {
  FWindow.Show();
  TGame& game = FTargets.Game;
  game.ResetDice(true);
  for (TZarnik& die : game.RowDiceForLoading()) {
    const float sx = RandomSpin();
    const float sy = RandomSpin();
    die.SetSpin(sx, sy, RandomSpin());
  }
  const std::uint32_t start = FClock.Milliseconds();
  FSpritesReady = ReadCachedDieSprites();
  LoadTimes.DieSprites = ElapsedMs(start, FClock.Milliseconds());
  PaintPreview();
}

std::string TfmLoading::PathOf(const char* fileName) const {
  return (std::filesystem::path(FDataFolder) / fileName).string();
}

void TfmLoading::PaintPreview() {
  FLastPaint = FClock.Milliseconds();
  if (!FWindow.BeginComposing()) return;
  FWindow.DrawImage(FPicture, 0, 0);
  FWindow.DrawImage(PreviewDice(), PreviewPanel.Left, PreviewPanel.Top);
  FWindow.Present();
  ++FPreviewPaints;
}

TImage TfmLoading::PreviewDice() {
  if (FSpritesReady) return PreviewFromSprites();
  if (!FCanvas.BeginTarget(PreviewPanel.Width, PreviewPanel.Height))
    return {PreviewPanel.Width, PreviewPanel.Height,
            std::vector<std::uint32_t>(static_cast<std::size_t>(PreviewPanel.Width) * PreviewPanel.Height)};
  SetDiceState();
  LoadSpriteCamera();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  DrawPreviewDice(FTargets.Game.RowDiceForLoading(), 0, 0);
  return FCanvas.ReadTarget();
}

TImage TfmLoading::PreviewFromSprites() const {
  TImage image{PreviewPanel.Width, PreviewPanel.Height,
               std::vector<std::uint32_t>(static_cast<std::size_t>(PreviewPanel.Width) * PreviewPanel.Height)};
  // Each die on its face, a third of a turn from its neighbour, one frame further each paint.
  constexpr int kFirstPreviewDie = 2;
  std::vector<std::uint32_t> sprite(static_cast<std::size_t>(DieSpriteWidth) * DieSpriteHeight);
  int left = 0;
  const auto& dice = FTargets.Game.RowDiceForLoading();
  for (std::size_t i = kFirstPreviewDie; i < dice.size() && left + DieSpriteWidth <= image.Width; ++i) {
    const int frame = (FPreviewPaints + static_cast<int>(i) * DieSpriteFrames / 3) % DieSpriteFrames;
    const TSurface* surface = FTargets.DieSprites.FindSurface(DieSpriteName(dice[i].Face, frame));
    if (!surface || surface->Width() != DieSpriteWidth || surface->Height() != DieSpriteHeight) continue;
    surface->ReadPixels(sprite.data());
    for (int y = 0; y < DieSpriteHeight; ++y)
      std::copy_n(sprite.begin() + static_cast<std::ptrdiff_t>(y) * DieSpriteWidth, DieSpriteWidth,
                  image.Pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.Width + left);
    left += DieSpriteWidth;
  }
  return image;
}

void TfmLoading::ProcessMessages() {
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    if (event.type == SDL_QUIT)
      FQuitRequested = true;
    else
      DispatchWindowEvent(event, FWindow.Id(), FWindow.Letterbox(), *this);
  }
  if (ElapsedMs(FLastPaint, FClock.Milliseconds()) >= static_cast<std::int32_t>(kPreviewInterval)) PaintPreview();
}

bool TfmLoading::LoadGraphics() {
  FTargets.Sprites.Clear();
  TGraphCollection container;
  container.FileName = PathOf("graph.col");
  container.AfterRecord = [this] { ProcessMessages(); };
  try {
    if (!container.LoadFromFile()) return false;
    LoadSprites(container, FTargets.Sprites, [this] { ProcessMessages(); });
  } catch (const std::exception&) {
    LoadError = 1;
    return false;
  }
  return true;
}

bool TfmLoading::LoadFonts() {
  TGraphCollection container;
  container.FileName = PathOf("font.col");
  container.AfterRecord = [this] { ProcessMessages(); };
  try {
    if (!container.LoadFromFile()) return false;
    for (int font = 0; font < StandardFontCount; ++font)
      FTargets.Letters.AddFont(container, StandardFontStyle(font, FTargets.DisplayBitsPerPixel), font,
                               [this] { ProcessMessages(); });
  } catch (const std::exception&) {
    LoadError = 2;
    return false;
  }
  return true;
}

bool TfmLoading::LoadAll() {
  std::uint32_t start = FClock.Milliseconds();
  // The time since `start`, and `start` moved on to now.
  const auto lap = [&] {
    const std::uint32_t now = FClock.Milliseconds();
    const std::int32_t elapsed = ElapsedMs(start, now);
    start = now;
    return elapsed;
  };
  const bool graphics = LoadGraphics();
  LoadTimes.Graphics = lap();
  if (!graphics) {
    LoadError = 1;
    return false;
  }
  const bool fonts = LoadFonts();
  LoadTimes.Fonts = lap();
  if (!fonts) {
    LoadError = 2;
    return false;
  }
  LoadDieSprites();
  LoadTimes.DieSprites += lap();
  FTargets.Banners.FileName = PathOf("rekl.col");
  const bool banners = FTargets.Banners.Load() && FTargets.Banners.Count() > 1;
  LoadTimes.Banners = lap();
  if (!banners) LoadError = 3;
  return banners;
}

bool TfmLoading::ReadCachedDieSprites() {
  if (FDieSpriteCacheFile.empty() || !ReadDieSpriteCache(FDieSpriteCacheFile, FileVersionText(), FTargets.DieSprites))
    return false;
  // Rendering draws a starting turn for each face; the generator moves on as if it had, so that
  // the numbers drawn after loading do not depend on the cache.
  for (int face = 1; face <= 6; ++face) FTargets.Game.RowDiceForLoading()[0].SetPose(face);
  return true;
}

void TfmLoading::LoadDieSprites() {
  if (FSpritesReady) return;
  FSpritesReady =
      RenderDieSprites(FCanvas, FTargets.Game.RowDiceForLoading(), FTargets.DieSprites, [this] { ProcessMessages(); });
  if (FSpritesReady && !FDieSpriteCacheFile.empty())
    WriteDieSpriteCache(FDieSpriteCacheFile, FileVersionText(), FTargets.DieSprites);
}
