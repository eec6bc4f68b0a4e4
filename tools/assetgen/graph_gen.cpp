// Renders the SVG sources listed in a manifest into "graph.col".
//
//   thousand_graph_gen MANIFEST OUT.col [PREVIEW_DIR]
//
// Manifest entries, in container order (files are relative to the manifest):
//   background NAME RRGGBB                 a colour that sprites stand on
//   picture NAME QUALITY FILE              an opaque background, stored as JPEG
//   sprite NAME BACKGROUND FILE[#ID]       a colour-keyed sprite, stored as BMP
//   states N|P|D BACKGROUND FILE [LABEL]   three looks from the elements #normal, #pressed,
//                                          #disabled, with {{LABEL}} filled in
//   mask NAME FILE[#ID]                    a hit mask (white = clickable)
// With PREVIEW_DIR, every image is also written there as NAME.png.

#include <cstdio>
#include <exception>

#include "tools/assetgen/graph_builder.h"
#include "tools/assetgen/svg_render.h"
#include "tools/col_writer.h"

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: %s MANIFEST OUT.col [PREVIEW_DIR]\n", argv[0]);
    return 2;
  }
  try {
    WriteFileBytes(argv[2], BuildContainer(BuildGraphRecords(argv[1], argc == 4 ? argv[3] : "")));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
