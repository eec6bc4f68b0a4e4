#include "gfx/letter_style.h"

#include <gtest/gtest.h>

#include <map>

#include "base/image.h"
#include "tests/gfx/fixtures.h"

namespace {

constexpr std::uint32_t kColor = 0x804020;
constexpr std::uint32_t kBorder = 0x000040;

// Rows of '.', 'C' (kColor) and 'B' (kBorder), or other letters given in `extra`.
TImage Expected(std::initializer_list<std::string_view> rows, std::map<char, std::uint32_t> extra = {}) {
  TImage image = fixtures::Pattern(rows, 1);
  size_t i = 0;
  for (std::string_view row : rows)
    for (char c : row) {
      std::uint32_t& pixel = image.Pixels[i++];
      if (c == 'C') pixel = kColor;
      if (c == 'B') pixel = kBorder;
      if (extra.count(c)) pixel = extra[c];
    }
  return image;
}

void ExpectImage(const TImage& actual, const TImage& expected) {
  ASSERT_EQ(actual.Width, expected.Width);
  ASSERT_EQ(actual.Height, expected.Height);
  EXPECT_EQ(actual.Pixels, expected.Pixels);
}

TEST(ApplyLetterStyle, MakesEachEffectsImage) {
  const TImage diagonal = fixtures::Pattern({"#.", ".#"}, 0x010101);
  struct TCase {
    TLetterEffect Effect;
    TImage Result;
  };
  const TCase cases[] = {
      {TLetterEffect::leCopy, diagonal},
      {TLetterEffect::leSolid, Expected({"C.", ".C"})},
      {TLetterEffect::leShadow, Expected({"C..", ".C.", "..B"})},
      {TLetterEffect::leOutline, Expected({".B..", "BCB.", ".BCB", "..B."})},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Effect));
    ExpectImage(ApplyLetterStyle(diagonal, {c.Effect, kColor, kBorder}), c.Result);
  }
}

TEST(ApplyLetterStyle, ShadedScalesTheColourByTheBlueChannelAndMovesIt) {
  TImage source = fixtures::Filled(4, 2, 0xFF);
  source.Pixels[0] = 0xCC;
  source.Pixels[1] = 0x80;
  source.Pixels[2] = 0x7F;
  // 0xCC is 0.8: 0x80, 0x40, 0x20 become 102.4, 51.2, 25.6, rounded; 0x80 is just above half,
  // 0x7F just below; the last row and column fall outside.
  const TImage expected = Expected({"....", ".SH."}, {{'S', 0x66331A}, {'H', 0x402010}});
  ExpectImage(ApplyLetterStyle(source, {TLetterEffect::leShaded, kColor, kBorder}), expected);
}

TEST(ApplyLetterStyle, IgnoresTheTopByteAndRefusesBrokenImages) {
  ExpectImage(ApplyLetterStyle(fixtures::Filled(1, 1, 0xFF000000), {TLetterEffect::leSolid, kColor, 0}),
              Expected({"."}));
  TImage broken = fixtures::Filled(2, 2, 1);
  broken.Pixels.pop_back();
  EXPECT_TRUE(ApplyLetterStyle(broken, {TLetterEffect::leShadow, kColor, 0}).Pixels.empty());
}

TEST(StandardFontStyle, PicksTheColourColumnByDisplayDepth) {
  struct TCase {
    int Font, Bits;
    std::uint32_t Color, Border;
  };
  const TCase cases[] = {{0, 32, 0xFFFFFF, 0x000040}, {1, 32, 0xFFFF00, 0x000040}, {2, 24, 0xFF0000, 0x000040},
                         {0, 16, 0xFFFF, 0},          {1, 16, 0xFFE0, 0},          {2, 16, 0xF800, 0}};
  for (const TCase& c : cases) {
    const TLetterStyle style = StandardFontStyle(c.Font, c.Bits);
    EXPECT_EQ(style.Effect, TLetterEffect::leShadow);
    EXPECT_EQ(style.Color, c.Color) << c.Font << "/" << c.Bits;
    EXPECT_EQ(style.BorderColor, c.Border) << c.Font << "/" << c.Bits;
  }
}

}  // namespace
