// Writes the C++ source of the data built into the executable: the four sound effects,
// the loading window's picture and the window icon.
//
//   thousand_embed_gen OUT.cpp LOADING.svg ICON.svg [PREVIEW_DIR]
//
// With PREVIEW_DIR the pictures are also written there as PNG and the sounds as WAV.

#include <cstdio>
#include <exception>
#include <string>

#include "tools/assetgen/image_files.h"
#include "tools/assetgen/sound_synth.h"
#include "tools/assetgen/sprite_flatten.h"
#include "tools/assetgen/svg_render.h"

namespace {

std::string ByteArray(const std::string& name, const std::string& bytes) {
  std::string out = "const unsigned char " + name + "[] = {";
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i % 24 == 0) out += "\n   ";
    out += " " + std::to_string(static_cast<unsigned char>(bytes[i])) + ",";
  }
  return out + "\n};\n\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: %s OUT.cpp LOADING.svg ICON.svg [PREVIEW_DIR]\n", argv[0]);
    return 2;
  }
  try {
    const std::string preview = argc == 5 ? argv[4] : "";
    const TImage loading = FlattenOpaque(RenderSvg(ReadSvgFile(argv[2])));
    const TRaster icon = RenderSvg(ReadSvgFile(argv[3]));
    std::string source =
        "// Made by thousand_embed_gen at build time; not kept in the repository.\n"
        "#include \"assets/embedded.h\"\n\nnamespace {\n\n";
    for (int i = 0; i < static_cast<int>(SoundFormats().size()); ++i) {
      const std::string wav = SynthesiseSound(i);
      source += ByteArray("Sound" + std::to_string(i), wav);
      if (!preview.empty()) WriteFileBytes(preview + "/sound" + std::to_string(i) + ".wav", wav);
    }
    source += ByteArray("LoadingPicture", EncodeJpeg(loading, 92));
    source += ByteArray("WindowIcon", EncodeBmpWithAlpha(icon));
    source +=
        "}  // namespace\n\n"
        "std::span<const unsigned char> EmbeddedSound(int index) {\n"
        "  switch (index) {\n";
    for (int i = 0; i < static_cast<int>(SoundFormats().size()); ++i)
      source += "    case " + std::to_string(i) + ": return Sound" + std::to_string(i) + ";\n";
    source +=
        "    default: return {};\n"
        "  }\n"
        "}\n\n"
        "std::span<const unsigned char> EmbeddedLoadingPicture() { return LoadingPicture; }\n\n"
        "std::span<const unsigned char> EmbeddedWindowIcon() { return WindowIcon; }\n";
    WriteFileBytes(argv[1], source);
    if (!preview.empty()) {
      WriteFileBytes(preview + "/loading.png", EncodePng(loading));
      WriteFileBytes(preview + "/icon.png", EncodePng(FlattenKeyed(icon, 0x005A3119)));
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
