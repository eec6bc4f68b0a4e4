#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/bmp_decoder.h"
#include "gfx/graph_error.h"
#include "tests/support/image_fixtures.h"

using namespace std::string_literals;

TEST(BmpDecoder, TwentyFourBitRoundTripIsExactBothRowOrders) {
  const TImage original = PatternImage(7, 5);  // 21-byte rows need padding
  for (bool topDown : {false, true}) {
    const TImage decoded = DecodeBmp(EncodeBmp24(original, topDown));
    EXPECT_EQ(decoded.Width, 7);
    EXPECT_EQ(decoded.Height, 5);
    EXPECT_EQ(decoded.Pixels, original.Pixels) << "top-down " << topDown;
  }
}

struct TBmpCase {
  const char* Name;
  TBmpFixture Bmp;
  std::vector<std::uint32_t> Expected;  // 2x2, top row first
};

// Every case is 2 pixels wide and 2 rows high, bottom row stored first unless top-down.
const TBmpCase BmpCases[] = {
    {"1-bit palette",
     {2, 2, 1, 0, 40, {0x000000, 0xFFFFFF}, {}, "\x40\0\0\0\x80\0\0\0"s},
     {0xFFFFFF, 0x000000, 0x000000, 0xFFFFFF}},
    {"4-bit palette",
     {2, 2, 4, 0, 40, {0x112233, 0x445566, 0x778899}, {}, "\x21\0\0\0\x01\0\0\0"s},
     {0x112233, 0x445566, 0x778899, 0x445566}},
    {"8-bit palette, index past the palette shows black",
     {2, -2, 8, 0, 40, {0xAA0000, 0x00BB00}, {}, "\x00\x01\0\0\x01\x07\0\0"s},
     {0xAA0000, 0x00BB00, 0x00BB00, 0x000000}},
    {"16-bit default 5-5-5",
     {2, 2, 16, 0, 40, {}, {}, "\x00\x7C\xE0\x03\x1F\x00\xFF\x7F"s},
     {0x0000FF, 0xFFFFFF, 0xFF0000, 0x00FF00}},
    {"16-bit 5-6-5 bit fields",
     {2, -2, 16, 3, 40, {}, {0xF800, 0x07E0, 0x001F}, "\x00\xF8\xE0\x07\x1F\x00\x00\x00"s},
     {0xFF0000, 0x00FF00, 0x0000FF, 0x000000}},
    {"32-bit plain",
     {2, -2, 32, 0, 40, {}, {}, "\x03\x02\x01\xFF\x06\x05\x04\x00\x09\x08\x07\x00\x0C\x0B\x0A\x00"s},
     {0x010203, 0x040506, 0x070809, 0x0A0B0C}},
    {"32-bit bit fields in a V5 header",
     {2, -2, 32, 3, 124, {}, {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000},
      "\x01\x02\x03\x80\x04\x05\x06\x80\x07\x08\x09\x80\x0A\x0B\x0C\x80"s},
     {0x010203, 0x040506, 0x070809, 0x0A0B0C}},
    {"8-bit palette after a V4 header",
     {2, -2, 8, 0, 108, {0x123456, 0x654321}, {}, "\x01\x00\0\0\x00\x01\0\0"s},
     {0x654321, 0x123456, 0x123456, 0x654321}},
};

TEST(BmpDecoder, DecodesEveryDepthAndHeader) {
  for (const TBmpCase& c : BmpCases) {
    SCOPED_TRACE(c.Name);
    const TImage image = DecodeBmp(BuildBmp(c.Bmp));
    EXPECT_EQ(image.Width, 2);
    EXPECT_EQ(image.Height, 2);
    EXPECT_EQ(image.Pixels, c.Expected);
  }
}

namespace {

std::string Patched(std::string bytes, std::size_t offset, const std::string& with) {
  bytes.replace(offset, with.size(), with);
  return bytes;
}

}  // namespace

TEST(BmpDecoder, RefusesBadFilesCleanly) {
  const std::string good = EncodeBmp24(PatternImage(3, 3));
  const std::string eight = BuildBmp({2, 2, 8, 0, 40, {0x0, 0xFFFFFF}, {}, "\0\0\0\0\0\0\0\0"s});
  const struct {
    const char* Name;
    std::string Bytes;
  } cases[] = {
      {"empty", ""},
      {"header cut short", good.substr(0, 30)},
      {"no BM signature", Patched(good, 0, "XX")},
      {"OS/2 header", Patched(good, 14, "\x0C\0\0\0"s)},
      {"zero width", Patched(good, 18, "\0\0\0\0"s)},
      {"zero height", Patched(good, 22, "\0\0\0\0"s)},
      {"lowest height", Patched(good, 22, "\0\0\0\x80"s)},
      {"negative width", Patched(good, 18, "\xFF\xFF\xFF\xFF"s)},
      {"2-bit depth", Patched(good, 28, "\x02\0"s)},
      {"RLE8", Patched(eight, 30, "\x01\0\0\0"s)},
      {"bit fields on 24-bit", Patched(good, 30, "\x03\0\0\0"s)},
      {"rows cut short", good.substr(0, good.size() - 1)},
      {"pixel offset past the end", Patched(good, 10, "\xFF\xFF\0\0"s)},
      {"pixel offset inside the header", Patched(good, 10, "\x10\0\0\0"s)},
      {"palette overlapping pixels", Patched(eight, 46, "\0\x01\0\0"s)},
      {"gigapixel announced", Patched(Patched(good, 18, "\0\0\x01\0"s), 22, "\0\0\x01\0"s)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_THROW(DecodeBmp(c.Bytes), TGraphError);
  }
}
