#include "tools/assetgen/gif_file.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>

namespace {

// Colours are gathered at 5 bits a channel: 32768 cells, plenty for drawn banners.
constexpr int kCellCount = 1 << 15;
int CellOf(std::uint32_t rgb) {
  return static_cast<int>(((rgb >> 19) & 0x1F) << 10 | ((rgb >> 11) & 0x1F) << 5 |
                          ((rgb >> 3) & 0x1F));
}
int CellChannel(int cell, int channel) { return (cell >> (10 - 5 * channel)) & 0x1F; }

struct TBox {
  std::vector<int> Cells;  // occupied cells
};

// Median cut: split the box with the widest channel range (weighted by pixels) until there
// are as many boxes as palette entries or nothing is left to split.
std::vector<std::uint32_t> ChoosePalette(const std::vector<std::uint64_t>& counts) {
  std::vector<TBox> boxes(1);
  for (int cell = 0; cell < kCellCount; ++cell)
    if (counts[cell]) boxes[0].Cells.push_back(cell);
  const auto range = [](const TBox& box, int channel) {
    int lo = 31, hi = 0;
    for (int cell : box.Cells) {
      lo = std::min(lo, CellChannel(cell, channel));
      hi = std::max(hi, CellChannel(cell, channel));
    }
    return hi - lo;
  };
  while (boxes.size() < 256) {
    int best = -1, bestChannel = 0;
    std::uint64_t bestScore = 0;
    for (size_t b = 0; b < boxes.size(); ++b) {
      if (boxes[b].Cells.size() < 2) continue;
      std::uint64_t pixels = 0;
      for (int cell : boxes[b].Cells) pixels += counts[cell];
      for (int channel = 0; channel < 3; ++channel) {
        const std::uint64_t score =
            static_cast<std::uint64_t>(range(boxes[b], channel) + 1) * pixels;
        if (range(boxes[b], channel) > 0 && score > bestScore) {
          bestScore = score;
          best = static_cast<int>(b);
          bestChannel = channel;
        }
      }
    }
    if (best < 0) break;
    std::vector<int>& cells = boxes[best].Cells;
    std::sort(cells.begin(), cells.end(), [&](int a, int b) {
      const int ca = CellChannel(a, bestChannel), cb = CellChannel(b, bestChannel);
      return ca != cb ? ca < cb : a < b;
    });
    std::uint64_t total = 0, seen = 0;
    for (int cell : cells) total += counts[cell];
    size_t split = 1;
    for (; split < cells.size() - 1; ++split) {
      seen += counts[cells[split - 1]];
      if (seen * 2 >= total) break;
    }
    TBox upper;
    upper.Cells.assign(cells.begin() + static_cast<std::ptrdiff_t>(split), cells.end());
    cells.resize(split);
    boxes.push_back(std::move(upper));
  }
  std::vector<std::uint32_t> palette;
  for (const TBox& box : boxes) {
    std::uint64_t sum[3] = {0, 0, 0}, pixels = 0;
    for (int cell : box.Cells) {
      for (int c = 0; c < 3; ++c) sum[c] += counts[cell] * (CellChannel(cell, c) * 255 / 31);
      pixels += counts[cell];
    }
    std::uint32_t rgb = 0;
    for (int c = 0; c < 3; ++c)
      rgb |= static_cast<std::uint32_t>((sum[c] + pixels / 2) / pixels) << (16 - 8 * c);
    palette.push_back(rgb);
  }
  palette.resize(256, 0);
  return palette;
}

std::vector<std::uint8_t> NearestIndexByCell(const std::vector<std::uint32_t>& palette,
                                             const std::vector<std::uint64_t>& counts) {
  std::vector<std::uint8_t> nearest(kCellCount, 0);
  for (int cell = 0; cell < kCellCount; ++cell) {
    if (!counts[cell]) continue;
    int bestDistance = 1 << 30;
    for (size_t i = 0; i < palette.size(); ++i) {
      int distance = 0;
      for (int c = 0; c < 3; ++c) {
        const int d =
            CellChannel(cell, c) * 255 / 31 - static_cast<int>((palette[i] >> (16 - 8 * c)) & 0xFF);
        distance += d * d;
      }
      if (distance < bestDistance) {
        bestDistance = distance;
        nearest[cell] = static_cast<std::uint8_t>(i);
      }
    }
  }
  return nearest;
}

int AppendToString(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
  return length;
}

void Check(int result, const char* what) {
  if (result != GIF_OK) throw std::runtime_error(std::string("giflib failed to ") + what);
}

}  // namespace

std::string EncodeAnimatedGif(const std::vector<TGifFrameSource>& frames) {
  if (frames.empty()) throw std::runtime_error("an animation needs a frame");
  const int width = frames[0].Picture.Width, height = frames[0].Picture.Height;
  std::vector<std::uint64_t> counts(kCellCount, 0);
  for (const TGifFrameSource& frame : frames) {
    if (frame.Picture.Width != width || frame.Picture.Height != height)
      throw std::runtime_error("animation frames differ in size");
    for (std::uint32_t rgb : frame.Picture.Pixels) ++counts[CellOf(rgb)];
  }
  const std::vector<std::uint32_t> palette = ChoosePalette(counts);
  const std::vector<std::uint8_t> nearest = NearestIndexByCell(palette, counts);

  std::string out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, AppendToString, &error);
  if (!gif) throw std::runtime_error("giflib cannot start an image");
  try {
    std::array<GifColorType, 256> colors{};
    for (size_t i = 0; i < 256; ++i)
      colors[i] = {static_cast<GifByteType>(palette[i] >> 16),
                   static_cast<GifByteType>(palette[i] >> 8), static_cast<GifByteType>(palette[i])};
    ColorMapObject* map = GifMakeMapObject(256, colors.data());
    EGifSetGifVersion(gif, true);
    const int screen = EGifPutScreenDesc(gif, width, height, 8, 0, map);
    GifFreeMapObject(map);
    Check(screen, "write the screen");
    std::vector<GifPixelType> row(static_cast<size_t>(width));
    for (const TGifFrameSource& frame : frames) {
      GraphicsControlBlock control{};
      control.DisposalMode = DISPOSE_DO_NOT;
      control.DelayTime = frame.Delay;
      control.TransparentColor = NO_TRANSPARENT_COLOR;
      GifByteType extension[4];
      EGifGCBToExtension(&control, extension);
      Check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension), "write a delay");
      Check(EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr), "write a frame");
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) row[x] = nearest[CellOf(frame.Picture.Pixel(x, y))];
        Check(EGifPutLine(gif, row.data(), width), "write a row");
      }
    }
  } catch (...) {
    EGifCloseFile(gif, &error);
    throw;
  }
  if (EGifCloseFile(gif, &error) != GIF_OK) throw std::runtime_error("giflib failed to finish");
  return out;
}
