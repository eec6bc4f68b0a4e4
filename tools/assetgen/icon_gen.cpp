// Writes the desktop's icons of the game from the window icon's picture, one PNG per size in
// the hicolor theme's layout, plus the picture itself as the scalable icon.
//
//   thousand_icon_gen ICON.svg OUT_DIR SIZE...
//
// Gives OUT_DIR/hicolor/SIZExSIZE/apps/thousand.png and OUT_DIR/hicolor/scalable/apps/thousand.svg.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

#include "tools/assetgen/image_files.h"
#include "tools/assetgen/svg_render.h"

int main(int argc, char** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: %s ICON.svg OUT_DIR SIZE...\n", argv[0]);
    return 2;
  }
  try {
    const std::string svg = ReadSvgFile(argv[1]);
    const std::filesystem::path theme = std::filesystem::path(argv[2]) / "hicolor";
    for (int i = 3; i < argc; ++i) {
      const int size = std::stoi(argv[i]);
      const std::filesystem::path folder = theme / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
      std::filesystem::create_directories(folder);
      WriteFileBytes((folder / "thousand.png").string(), EncodePngWithAlpha(RenderSvgSquare(svg, size)));
    }
    const std::filesystem::path scalable = theme / "scalable" / "apps";
    std::filesystem::create_directories(scalable);
    WriteFileBytes((scalable / "thousand.svg").string(), svg);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
