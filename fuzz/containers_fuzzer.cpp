// An image container of any bytes, read the way the loading window reads "graph.col" and
// "font.col" (BMP, JPEG and GIF records) and the way the banner rotator reads "rekl.col",
// whose banners are then played through.
#include "ads/reklama.h"
#include "fuzz/fuzz_input.h"
#include "gfx/graph_collection.h"
#include "gfx/graph_error.h"
#include "platform/message_box.h"

namespace {

class TQuietBox final : public IMessageBox {
public:
  void Show(const std::string&) override {}
};

void CheckImage(const TImage& image) {
  FUZZ_CHECK(image.Width >= 0 && image.Height >= 0);
  FUZZ_CHECK(image.Pixels.size() == static_cast<std::size_t>(image.Width) * image.Height);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static TQuietBox box;
  static TMessageBoxScope scope(box);
  const std::string fileName = FuzzFile({reinterpret_cast<const char*>(data), size}, ".col");

  TGraphCollection images;
  images.FileName = fileName;
  try {
    images.LoadFromFile();
  } catch (const TGraphError&) {
    // A refused record; the entries before it stay and must be sound.
  }
  for (int i = 0; i < images.Count(); ++i) CheckImage(images.GetGraphic(i));

  TReklama banners;
  banners.FileName = fileName;
  if (!banners.Load()) {
    FUZZ_CHECK(banners.Count() == 0);
    return 0;
  }
  // Every frame redraws the whole picture, which the decoder lets reach 16M pixels: the
  // frames played are bounded by the pixels drawn, so that a huge banner is slow, not stuck.
  std::uint32_t now = 0;
  std::size_t drawn = 0;
  for (int tick = 0; tick < 64 && drawn < (std::size_t{1} << 24); ++tick, now += 1000) {
    const TImage& picture = banners.CurrentImage(now);
    CheckImage(picture);
    drawn += picture.Pixels.size();
    banners.Tick(now);
  }
  for (int i = 0; i < banners.Count(); ++i) banners.LinkOf(i);
  return 0;
}
