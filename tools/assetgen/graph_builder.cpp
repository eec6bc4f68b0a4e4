#include "tools/assetgen/graph_builder.h"

#include <map>
#include <stdexcept>
#include <utility>

#include "base/cp1251.h"
#include "tools/assetgen/image_files.h"
#include "tools/assetgen/manifest.h"
#include "tools/assetgen/sprite_flatten.h"
#include "tools/assetgen/svg_render.h"

namespace {

constexpr const char* kStateIds[3] = {"normal", "pressed", "disabled"};

class TGraphBuilder {
 public:
  TGraphBuilder(std::string sourceDir, std::string previewDir)
      : SourceDir(std::move(sourceDir)), PreviewDir(std::move(previewDir)) {}

  void Run(const TManifestLine& line) {
    const auto& w = line.Words;
    const std::string& what = w[0];
    if (what == "background" && w.size() == 3) {
      Backgrounds[w[1]] = static_cast<std::uint32_t>(std::stoul(w[2], nullptr, 16));
    } else if (what == "picture" && w.size() == 4) {
      const TImage image = FlattenOpaque(Render(w[3], {}));
      Add(gkJPEG, 0, w[1], image, EncodeJpeg(image, std::stoi(w[2])));
    } else if (what == "sprite" && w.size() == 4) {
      const TImage image = FlattenKeyed(Render(w[3], {}), Background(w[2]));
      Add(gkBitmap, SpriteColorKey, w[1], image, EncodeBmp(image));
    } else if (what == "states" && w.size() >= 4) {
      AddStates(w[1], Background(w[2]), w[3], line.Tail(4));
    } else if (what == "mask" && w.size() == 3) {
      const TImage image = MaskOf(Render(w[2], {}));
      Add(gkBitmap, 0, w[1], image, EncodeBmp(image));
    } else {
      throw std::runtime_error("unknown or malformed entry");
    }
  }

  std::vector<TColRecord> Records() { return std::move(Output); }

 private:
  std::string SourceDir, PreviewDir;
  std::map<std::string, std::uint32_t> Backgrounds;
  std::map<std::string, std::string> Sources;  // file name -> text, read once
  std::vector<TColRecord> Output;

  std::uint32_t Background(const std::string& name) const {
    const auto found = Backgrounds.find(name);
    if (found == Backgrounds.end()) throw std::runtime_error("unknown background " + name);
    return found->second;
  }

  // FILE or FILE#ID, with the label (if any) filled into the file's placeholders.
  TRaster Render(const std::string& source, const std::string& label,
                 const std::string& forcedId = {}) {
    const size_t hash = source.find('#');
    const std::string file = source.substr(0, hash);
    const std::string id = !forcedId.empty()           ? forcedId
                           : hash == std::string::npos ? ""
                                                       : source.substr(hash + 1);
    auto cached = Sources.find(file);
    if (cached == Sources.end())
      cached = Sources.emplace(file, ReadSvgFile(SourceDir + "/" + file)).first;
    const std::string svg = FillTemplate(cached->second, {{"LABEL", label}});
    return RenderSvg(svg, id);
  }

  void AddStates(const std::string& names, std::uint32_t background, const std::string& source,
                 const std::string& label) {
    std::vector<std::string> split;
    for (size_t start = 0;;) {
      const size_t bar = names.find('|', start);
      split.push_back(names.substr(start, bar == std::string::npos ? bar : bar - start));
      if (bar == std::string::npos) break;
      start = bar + 1;
    }
    if (split.size() != 3) throw std::runtime_error("states need exactly three names N|P|D");
    for (int state = 0; state < 3; ++state) {
      const TImage image = FlattenKeyed(Render(source, label, kStateIds[state]), background);
      Add(gkBitmap, SpriteColorKey, split[state], image, EncodeBmp(image));
    }
  }

  void Add(TGraphKind kind, std::uint32_t colorKey, const std::string& name, const TImage& image,
           std::string data) {
    if (!PreviewDir.empty()) WriteFileBytes(PreviewDir + "/" + name + ".png", EncodePng(image));
    Output.push_back(ImageRecord(kind, colorKey, Cp1251(name), std::move(data)));
  }
};

}  // namespace

std::string DirectoryOf(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::vector<TColRecord> BuildGraphRecords(const std::string& manifestPath,
                                          const std::string& previewDir) {
  TGraphBuilder builder(DirectoryOf(manifestPath), previewDir);
  for (const TManifestLine& line : ParseManifest(ReadFileBytes(manifestPath))) {
    try {
      builder.Run(line);
    } catch (const std::exception& e) {
      throw std::runtime_error(manifestPath + ":" + std::to_string(line.Number) + ": " + e.what());
    }
  }
  return builder.Records();
}
