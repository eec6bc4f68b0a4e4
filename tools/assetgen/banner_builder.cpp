#include "tools/assetgen/banner_builder.h"

#include <stdexcept>

#include "base/cp1251.h"
#include "tools/assetgen/gif_file.h"
#include "tools/assetgen/graph_builder.h"
#include "tools/assetgen/image_files.h"
#include "tools/assetgen/manifest.h"
#include "tools/assetgen/sprite_flatten.h"
#include "tools/assetgen/svg_render.h"

namespace {

TColRecord Banner(const TManifestLine& line, const std::string& sourceDir,
                  const std::string& previewDir) {
  const auto& w = line.Words;
  if (w.size() < 5 || w[0] != "banner")
    throw std::runtime_error("expected: banner REPEAT LINK FILE DELAY...");
  const std::string svg = ReadSvgFile(sourceDir + "/" + w[3]);
  if (SvgHasElement(svg, "frame" + std::to_string(w.size() - 4)))
    throw std::runtime_error(w[3] + " has more frames than delays");
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

std::vector<TColRecord> BuildBannerRecords(const std::string& manifestPath,
                                           const std::string& previewDir) {
  std::vector<TColRecord> records;
  for (const TManifestLine& line : ParseManifest(ReadFileBytes(manifestPath))) {
    try {
      records.push_back(Banner(line, DirectoryOf(manifestPath), previewDir));
    } catch (const std::exception& e) {
      throw std::runtime_error(manifestPath + ":" + std::to_string(line.Number) + ": " + e.what());
    }
  }
  return records;
}
