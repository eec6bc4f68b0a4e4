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

#include "tools/assetgen/banner_builder.h"
#include "tools/assetgen/svg_render.h"
#include "tools/col_writer.h"

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: %s MANIFEST OUT.col [PREVIEW_DIR]\n", argv[0]);
    return 2;
  }
  try {
    WriteFileBytes(argv[2], BuildContainer(BuildBannerRecords(argv[1], argc == 4 ? argv[3] : "")));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
