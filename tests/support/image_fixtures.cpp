#include "tests/support/image_fixtures.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

#include <gif_lib.h>
#include <jpeglib.h>

#include "base/byte_codec.h"

namespace {

std::string Le16(std::uint32_t v) { return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; }
std::string Le32(std::uint32_t v) { return IntToBin4(static_cast<std::int32_t>(v)); }

}  // namespace

std::string BuildBmp(const TBmpFixture& bmp) {
  std::string info = Le32(bmp.HeaderSize) + Le32(bmp.Width) + Le32(static_cast<std::uint32_t>(bmp.Height)) +
                     Le16(1) + Le16(bmp.Bits) + Le32(bmp.Compression) + Le32(bmp.Rows.size()) +
                     Le32(2835) + Le32(2835) + Le32(bmp.Palette.size()) + Le32(0);
  std::string masks;
  for (std::uint32_t m : bmp.Masks) masks += Le32(m);
  if (bmp.HeaderSize > 40) {
    info += masks;
    masks.clear();
  }
  info.resize(bmp.HeaderSize, '\0');
  std::string palette;
  for (std::uint32_t c : bmp.Palette) palette += Le32(c);
  const std::size_t offset = 14 + info.size() + masks.size() + palette.size();
  return "BM" + Le32(offset + bmp.Rows.size()) + Le32(0) + Le32(offset) + info + masks + palette + bmp.Rows;
}

std::string EncodeBmp24(const TImage& image, bool topDown) {
  TBmpFixture bmp{.Width = image.Width, .Height = topDown ? -image.Height : image.Height};
  const std::size_t stride = (image.Width * 3 + 3) / 4 * 4;
  for (int i = 0; i < image.Height; ++i) {
    const int y = topDown ? i : image.Height - 1 - i;
    std::string row;
    for (int x = 0; x < image.Width; ++x) {
      const std::uint32_t p = image.Pixel(x, y);
      row += {static_cast<char>(p & 0xFF), static_cast<char>((p >> 8) & 0xFF), static_cast<char>((p >> 16) & 0xFF)};
    }
    row.resize(stride, '\0');
    bmp.Rows += row;
  }
  return BuildBmp(bmp);
}

std::string EncodeJpeg(const TImage& image, int quality) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = image.Width;
  info.image_height = image.Height;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(image.Width * 3);
  while (info.next_scanline < info.image_height) {
    for (int x = 0; x < image.Width; ++x) {
      const std::uint32_t p = image.Pixel(x, info.next_scanline);
      row[x * 3] = (p >> 16) & 0xFF, row[x * 3 + 1] = (p >> 8) & 0xFF, row[x * 3 + 2] = p & 0xFF;
    }
    JSAMPLE* rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  return bytes;
}

namespace {

int AppendOutput(GifFileType* gif, const GifByteType* bytes, int count) {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), count);
  return count;
}

struct TFreeMap {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using TMap = std::unique_ptr<ColorMapObject, TFreeMap>;

TMap MakeMap(const std::vector<std::uint32_t>& palette) {
  if (palette.empty()) return nullptr;
  std::vector<GifColorType> colors;
  for (std::uint32_t c : palette)
    colors.push_back({static_cast<GifByteType>(c >> 16), static_cast<GifByteType>(c >> 8), static_cast<GifByteType>(c)});
  TMap map(GifMakeMapObject(static_cast<int>(palette.size()), colors.data()));
  if (!map) throw std::invalid_argument("GIF palette size must be a power of two");
  return map;
}

void Check(int result) {
  if (result == GIF_ERROR) throw std::runtime_error("giflib encoder failed");
}

}  // namespace

std::string EncodeGif(int width, int height, const std::vector<std::uint32_t>& globalPalette,
                      const std::vector<TGifFixtureFrame>& frames) {
  std::string out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, AppendOutput, &error);
  if (!gif) throw std::runtime_error("EGifOpen failed");
  EGifSetGifVersion(gif, true);
  const TMap global = MakeMap(globalPalette);
  Check(EGifPutScreenDesc(gif, width, height, 8, 0, global.get()));
  for (const TGifFixtureFrame& frame : frames) {
    if (frame.HasControl) {
      const GraphicsControlBlock control{frame.Disposal, false, frame.Delay, frame.TransparentIndex};
      GifByteType extension[4];
      EGifGCBToExtension(&control, extension);
      Check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension));
    }
    const TMap local = MakeMap(frame.LocalPalette);
    Check(EGifPutImageDesc(gif, frame.Left, frame.Top, frame.Width, frame.Height, frame.Interlace, local.get()));
    std::vector<GifPixelType> indices(frame.Indices.begin(), frame.Indices.end());
    auto putRow = [&](int y) { Check(EGifPutLine(gif, &indices[y * frame.Width], frame.Width)); };
    if (!frame.Interlace) {
      for (int y = 0; y < frame.Height; ++y) putRow(y);
      continue;
    }
    constexpr int start[] = {0, 4, 2, 1};
    constexpr int step[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
      for (int y = start[pass]; y < frame.Height; y += step[pass]) putRow(y);
  }
  Check(EGifCloseFile(gif, &error));
  return out;
}

TImage PatternImage(int width, int height) {
  TImage image{width, height, {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.Pixels.push_back(static_cast<std::uint32_t>((x * 37 + y * 101) & 0xFF) << 16 |
                             static_cast<std::uint32_t>((x * 13 ^ y * 59) & 0xFF) << 8 |
                             static_cast<std::uint32_t>((x + y) * 23 & 0xFF));
  return image;
}
