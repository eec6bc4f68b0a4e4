// thousand-cli col: what an image or banner container holds, decoded as the game reads it.
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "base/cp1251.h"
#include "gfx/container_records.h"
#include "gfx/gif_decoder.h"
#include "gfx/graph_collection.h"
#include "gfx/graph_error.h"
#include "tools/cli/command.h"

namespace {

enum class TMode { Auto, Images, Banners };

std::string Hex8(std::uint32_t value) {
  char text[9];
  std::snprintf(text, sizeof text, "%08X", value);
  return text;
}

std::string KindName(TGraphKind kind) {
  switch (kind) {
    case gkMetafile: return "metafile";
    case gkBitmap: return "BMP";
    case gkJPEG: return "JPEG";
  }
  return "kind " + std::to_string(kind);
}

void PrintImages(const TGraphCollection& col) {
  std::cout << col.FileName << ": " << col.Count() << " images\n";
  for (int i = 0; i < col.Count(); ++i) {
    const TImage& image = col.GetGraphic(i);
    std::cout << i << "\t" << Utf8(col.GetName(i)) << "\t" << KindName(col.GetKind(i)) << "\tkey "
              << Hex8(col.GetColorKey(i)) << "\t" << image.Width << "x" << image.Height << "\n";
  }
}

struct TBanner {
  TBannerKey Key;
  TGifImage Image;
};

// Every record as a banner; throws TGraphError naming the record that is not one.
std::vector<TBanner> ReadBanners(const std::string& bytes, const std::string& fileName) {
  std::vector<TBanner> banners;
  const std::vector<TContainerRecord> records = SplitContainer(bytes, fileName);
  for (std::size_t i = 0; i < records.size(); ++i) {
    const std::string where = fileName + ", banner " + std::to_string(i);
    const auto key = ParseBannerKey(records[i].Key);
    if (!key) throw TGraphError(where + ": key shorter than " + std::to_string(BannerKeyLinkOffset) + " bytes");
    try {
      banners.push_back({*key, DecodeGif(records[i].Data)});
    } catch (const TGraphError& e) {
      throw TGraphError(where + ": " + e.what());
    }
  }
  return banners;
}

void PrintBanners(const std::vector<TBanner>& banners, const std::string& fileName) {
  std::cout << fileName << ": " << banners.size() << " banners\n";
  for (std::size_t i = 0; i < banners.size(); ++i) {
    const TBanner& banner = banners[i];
    std::cout << i << "\trepeat " << banner.Key.RepeatCount << "\tlink " << Utf8(banner.Key.Link) << "\t"
              << banner.Image.Width << "x" << banner.Image.Height << "\t" << banner.Image.Frames.size()
              << " frames, delays";
    for (const TGifFrame& frame : banner.Image.Frames)
      std::cout << " " << (frame.HasControl ? std::to_string(frame.Delay) : "-");
    std::cout << "\n";
  }
}

int Refuse(const std::string& why) {
  std::cerr << "col: " << why << "\n";
  return ExitBadInput;
}

int RunCol(std::span<const std::string> args) {
  TMode mode = TMode::Auto;
  std::string fileName;
  std::optional<std::string> imageError;
  for (const std::string& arg : args) {
    if (arg == "--images") {
      mode = TMode::Images;
    } else if (arg == "--banners") {
      mode = TMode::Banners;
    } else if (fileName.empty() && !arg.starts_with("--")) {
      fileName = arg;
    } else {
      return Refuse("unexpected argument '" + arg + "'");
    }
  }
  if (fileName.empty()) return Refuse("give a container file (FILE.col)");

  if (mode != TMode::Banners) {
    TGraphCollection col;
    col.FileName = fileName;
    try {
      if (!col.LoadFromFile()) return Refuse("cannot read " + fileName);
      PrintImages(col);
      return 0;
    } catch (const TGraphError& e) {
      if (mode == TMode::Images) {
        PrintImages(col);
        return Refuse(e.what());
      }
      imageError = e.what();
    }
  }
  const std::optional<std::string> bytes = ReadContainerFile(fileName);
  if (!bytes) return Refuse("cannot read " + fileName);
  try {
    PrintBanners(ReadBanners(*bytes, fileName), fileName);
    return 0;
  } catch (const TGraphError& e) {
    // A container cut short fails both ways alike: say it once.
    if (!imageError || *imageError == e.what()) return Refuse(e.what());
    return Refuse("neither images nor banners:\n  as images: " + *imageError + "\n  as banners: " + e.what());
  }
}

}  // namespace

extern const TCommand ColCommand{
    "col", "list the images or banners of a container file",
    "usage: thousand-cli col [--images | --banners] FILE.col\n\n"
    "Reads an image container as the game does and lists its records, one line each.\n"
    "Images (graph.col, font.col): index, name, kind (BMP, JPEG), colour key in hex,\n"
    "width x height. Banners (rekl.col): index, repeat count, link, size, frame count and\n"
    "each frame's delay in hundredths of a second (- when the frame has none).\n"
    "Without a flag the file is read as images, and as banners when that fails.\n"
    "  --images   read it as images only (the entries before a bad record are listed)\n"
    "  --banners  read it as banners only\n"
    "Exits 2 when the file is missing, unreadable, cut short or holds an undecodable record.\n",
    RunCol};
