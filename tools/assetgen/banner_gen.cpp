// Renders the advertising banners of "rekl.col" from SVG: each frame of a banner is the
// element #frame0, #frame1, ... of its picture.
//
//   thousand_banner_gen MANIFEST OUT.col [PREVIEW_DIR]
//
// Manifest entries, in rotation order (files relative to the manifest):
//   banner REPEAT LINK FILE DELAY...    one delay (hundredths of a second) per frame
// With PREVIEW_DIR, every frame is also written there as FILE-N.png.

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

#include "gfx/cp1251.h"
#include "tools/assetgen/gif_file.h"
#include "tools/assetgen/image_files.h"
#include "tools/assetgen/manifest.h"
#include "tools/assetgen/sprite_flatten.h"
#include "tools/assetgen/svg_render.h"
#include "tools/col_writer.h"

namespace {

TColRecord Banner(const TManifestLine& line, const std::string& sourceDir,
                  const std::string& previewDir) {
  const auto& w = line.Words;
  if (w.size() < 5 || w[0] != "banner") throw std::runtime_error("expected: banner REPEAT LINK FILE DELAY...");
  const std::string svg = ReadSvgFile(sourceDir + "/" + w[3]);
  std::vector<TGifFrameSource> frames;
  for (size_t i = 4; i < w.size(); ++i) {
    const int number = static_cast<int>(i - 4);
    TGifFrameSource frame;
    frame.Picture = FlattenOpaque(RenderSvg(svg, "frame" + std::to_string(number)));
    frame.Delay = std::stoi(w[i]);
    if (!previewDir.empty())
      WriteFileBytes(previewDir + "/" + w[3] + "-" + std::to_string(number) + ".png",
                     EncodePng(frame.Picture));
    frames.push_back(std::move(frame));
  }
  return BannerRecord(static_cast<std::uint32_t>(std::stoul(w[1])), Cp1251(w[2]),
                      EncodeAnimatedGif(frames));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: %s MANIFEST OUT.col [PREVIEW_DIR]\n", argv[0]);
    return 2;
  }
  const std::string manifestPath = argv[1];
  const size_t slash = manifestPath.rfind('/');
  const std::string sourceDir = slash == std::string::npos ? "." : manifestPath.substr(0, slash);
  try {
    std::vector<TColRecord> records;
    for (const TManifestLine& line : ParseManifest(ReadFileBytes(manifestPath))) {
      try {
        records.push_back(Banner(line, sourceDir, argc == 4 ? argv[3] : ""));
      } catch (const std::exception& e) {
        throw std::runtime_error(manifestPath + ":" + std::to_string(line.Number) + ": " +
                                 e.what());
      }
    }
    WriteFileBytes(argv[2], BuildContainer(records));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
