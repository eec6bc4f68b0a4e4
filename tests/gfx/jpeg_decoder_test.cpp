#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "gfx/graph_error.h"
#include "gfx/jpeg_decoder.h"
#include "tests/support/image_fixtures.h"

using namespace std::string_literals;

namespace {

int Channel(std::uint32_t pixel, int shift) { return static_cast<int>((pixel >> shift) & 0xFF); }

// A smooth picture, so a high-quality JPEG stays close to it.
TImage Gradient(int width, int height) {
  TImage image{width, height, {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.Pixels.push_back(static_cast<std::uint32_t>(x * 255 / (width - 1)) << 16 |
                             static_cast<std::uint32_t>(y * 255 / (height - 1)) << 8 | 0x80);
  return image;
}

std::size_t FrameHeaderOffset(const std::string& jpeg) { return jpeg.find("\xFF\xC0"s); }

}  // namespace

TEST(JpegDecoder, RoundTripStaysClose) {
  const TImage original = Gradient(24, 16);
  const TImage decoded = DecodeJpeg(EncodeJpeg(original));
  ASSERT_EQ(decoded.Width, 24);
  ASSERT_EQ(decoded.Height, 16);
  int worst = 0;
  for (std::size_t i = 0; i < original.Pixels.size(); ++i)
    for (int shift : {0, 8, 16})
      worst = std::max(worst, std::abs(Channel(original.Pixels[i], shift) - Channel(decoded.Pixels[i], shift)));
  EXPECT_LE(worst, 8);
}

// Cut anywhere, even just before the end-of-image marker, the picture is refused: libjpeg
// would only warn and fill the rest grey.
TEST(JpegDecoder, TruncatedStreamIsRefused) {
  const std::string jpeg = EncodeJpeg(Gradient(32, 32));
  for (std::size_t length : {std::size_t{0}, std::size_t{2}, std::size_t{20}, FrameHeaderOffset(jpeg) + 4,
                             jpeg.size() / 2, jpeg.size() - 40, jpeg.size() - 2}) {
    SCOPED_TRACE("length " + std::to_string(length));
    EXPECT_THROW(DecodeJpeg(jpeg.substr(0, length)), TGraphError);
  }
}

TEST(JpegDecoder, CorruptStreamIsRefusedWithLibjpegsReason) {
  const std::string jpeg = EncodeJpeg(Gradient(16, 16));
  const std::size_t frame = FrameHeaderOffset(jpeg);
  ASSERT_NE(frame, std::string::npos);
  const struct {
    const char* Name;
    std::string Bytes;
  } cases[] = {
      {"not a JPEG", "GIF89a and then some bytes"},
      {"zero width", std::string(jpeg).replace(frame + 7, 2, "\0\0"s)},
      {"oversized frame", std::string(jpeg).replace(frame + 5, 4, "\xFF\xD0\xFF\xD0"s)},
      {"garbage after the header", jpeg.substr(0, jpeg.size() / 2) + std::string(jpeg.size() / 2, '\x5A')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    try {
      DecodeJpeg(c.Bytes);
      ADD_FAILURE() << "accepted";
    } catch (const TGraphError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("JPEG: ", 0), 0u) << e.what();
      EXPECT_GT(std::string(e.what()).size(), 8u);
    }
  }
}
