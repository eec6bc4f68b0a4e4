#include "gfx/bmp_decoder.h"

#include <bit>
#include <cstdint>
#include <string>

#include "gfx/decode_limits.h"
#include "gfx/graph_error.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kMasksOffset = kFileHeaderSize + 40;  // masks follow the basic info header

enum : std::uint32_t { BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3, BiAlphaBitfields = 6 };

[[noreturn]] void Fail(const std::string& why) { throw TGraphError("BMP: " + why); }

class TReader {
public:
  explicit TReader(std::string_view bytes) : FBytes(bytes) {}
  std::uint32_t U16(std::size_t offset) const { return Le(offset, 2); }
  std::uint32_t U32(std::size_t offset) const { return Le(offset, 4); }
  std::int32_t I32(std::size_t offset) const { return static_cast<std::int32_t>(U32(offset)); }

private:
  std::uint32_t Le(std::size_t offset, std::size_t width) const {
    if (offset > FBytes.size() || FBytes.size() - offset < width) Fail("header cut short");
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(FBytes[offset + i]);
    return value;
  }
  std::string_view FBytes;
};

// One colour channel of a 16- or 32-bit pixel, scaled to 8 bits.
class TChannel {
public:
  explicit TChannel(std::uint32_t mask)
      : FMask(mask), FShift(mask ? std::countr_zero(mask) : 0), FMax(mask >> FShift) {}
  std::uint32_t Extract(std::uint32_t pixel) const {
    return FMax ? ((pixel & FMask) >> FShift) * 255 / FMax : 0;
  }

private:
  std::uint32_t FMask;
  int FShift;
  std::uint32_t FMax;
};

struct TLayout {
  int Width = 0;
  int Height = 0;  // rows, always positive
  bool TopDown = false;
  int Bits = 0;
  std::uint32_t Compression = BiRgb;
  std::size_t PixelOffset = 0;
  std::size_t Stride = 0;
};

TLayout ReadLayout(const TReader& in, std::size_t fileSize) {
  if (in.U16(0) != 0x4D42) Fail("no BM signature");
  const std::uint32_t headerSize = in.U32(kFileHeaderSize);
  if (headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 && headerSize != 124)
    Fail("unsupported info header of size " + std::to_string(headerSize));

  TLayout layout;
  layout.Width = in.I32(kFileHeaderSize + 4);
  const std::int32_t height = in.I32(kFileHeaderSize + 8);
  layout.Bits = static_cast<int>(in.U16(kFileHeaderSize + 14));
  layout.Compression = in.U32(kFileHeaderSize + 16);
  if (layout.Width <= 0 || height == 0 || height == INT32_MIN) Fail("bad width or height");
  layout.TopDown = height < 0;
  layout.Height = layout.TopDown ? -height : height;
  if (std::int64_t{layout.Width} * layout.Height > MaxDecodedPixels) Fail("picture too large");

  switch (layout.Bits) {
    case 1: case 4: case 8: case 24:
      if (layout.Compression == BiRle8 || layout.Compression == BiRle4) Fail("RLE compression is not supported");
      if (layout.Compression != BiRgb) Fail("unsupported compression " + std::to_string(layout.Compression));
      break;
    case 16: case 32:
      if (layout.Compression != BiRgb && layout.Compression != BiBitfields &&
          layout.Compression != BiAlphaBitfields)
        Fail("unsupported compression " + std::to_string(layout.Compression));
      break;
    default:
      Fail("unsupported bit depth " + std::to_string(layout.Bits));
  }

  layout.Stride = (static_cast<std::size_t>(layout.Width) * layout.Bits + 31) / 32 * 4;
  layout.PixelOffset = in.U32(10);
  if (layout.PixelOffset < kFileHeaderSize + headerSize || layout.PixelOffset > fileSize ||
      (fileSize - layout.PixelOffset) / layout.Stride < static_cast<std::size_t>(layout.Height))
    Fail("pixel rows run past the end of the file");
  return layout;
}

std::vector<std::uint32_t> ReadPalette(const TReader& in, const TLayout& layout) {
  const std::uint32_t headerSize = in.U32(kFileHeaderSize);
  std::size_t offset = kFileHeaderSize + headerSize;
  if (headerSize == 40 && layout.Compression == BiBitfields) offset += 12;
  if (headerSize == 40 && layout.Compression == BiAlphaBitfields) offset += 16;
  const std::uint32_t most = 1u << layout.Bits;
  const std::uint32_t used = in.U32(kFileHeaderSize + 32);
  const std::uint32_t count = used == 0 || used > most ? most : used;
  if (offset + std::size_t{count} * 4 > layout.PixelOffset) Fail("palette runs into the pixel data");
  // Indices past the palette show black, as on the system the format comes from.
  std::vector<std::uint32_t> palette(most, 0);
  for (std::uint32_t i = 0; i < count; ++i) palette[i] = in.U32(offset + i * 4) & 0x00FFFFFF;
  return palette;
}

void DecodeIndexed(std::string_view bytes, const TReader& in, const TLayout& layout, TImage& image) {
  const std::vector<std::uint32_t> palette = ReadPalette(in, layout);
  const int bits = layout.Bits;
  const unsigned mask = (1u << bits) - 1;
  for (int y = 0; y < layout.Height; ++y) {
    const int row = layout.TopDown ? y : layout.Height - 1 - y;
    const auto* src = reinterpret_cast<const unsigned char*>(bytes.data() + layout.PixelOffset + row * layout.Stride);
    std::uint32_t* dst = &image.Pixels[static_cast<std::size_t>(y) * layout.Width];
    for (int x = 0; x < layout.Width; ++x) {
      const std::size_t bit = static_cast<std::size_t>(x) * bits;
      const unsigned index = (src[bit / 8] >> (8 - bits - bit % 8)) & mask;
      dst[x] = palette[index];
    }
  }
}

void DecodeDirect(std::string_view bytes, const TReader& in, const TLayout& layout, TImage& image) {
  std::uint32_t red = 0x00FF0000, green = 0x0000FF00, blue = 0x000000FF;
  if (layout.Bits == 16) red = 0x7C00, green = 0x03E0, blue = 0x001F;
  if (layout.Compression != BiRgb) {
    red = in.U32(kMasksOffset), green = in.U32(kMasksOffset + 4), blue = in.U32(kMasksOffset + 8);
  }
  const TChannel r(red), g(green), b(blue);
  const std::size_t pixelBytes = layout.Bits / 8;
  for (int y = 0; y < layout.Height; ++y) {
    const int row = layout.TopDown ? y : layout.Height - 1 - y;
    const auto* src = reinterpret_cast<const unsigned char*>(bytes.data() + layout.PixelOffset + row * layout.Stride);
    std::uint32_t* dst = &image.Pixels[static_cast<std::size_t>(y) * layout.Width];
    for (int x = 0; x < layout.Width; ++x, src += pixelBytes) {
      if (layout.Bits == 24) {
        dst[x] = std::uint32_t{src[2]} << 16 | std::uint32_t{src[1]} << 8 | src[0];
        continue;
      }
      std::uint32_t v = 0;
      for (std::size_t i = pixelBytes; i-- > 0;) v = (v << 8) | src[i];
      dst[x] = r.Extract(v) << 16 | g.Extract(v) << 8 | b.Extract(v);
    }
  }
}

}  // namespace

TImage DecodeBmp(std::string_view bytes) {
  const TReader in(bytes);
  const TLayout layout = ReadLayout(in, bytes.size());
  TImage image;
  image.Width = layout.Width;
  image.Height = layout.Height;
  image.Pixels.resize(static_cast<std::size_t>(layout.Width) * layout.Height);
  if (layout.Bits <= 8)
    DecodeIndexed(bytes, in, layout, image);
  else
    DecodeDirect(bytes, in, layout, image);
  return image;
}
