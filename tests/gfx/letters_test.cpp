#include "gfx/letters.h"

#include <gtest/gtest.h>

#include "gfx/graph_collection.h"
#include "platform/surface.h"
#include "tests/gfx/fixtures.h"

namespace {

constexpr std::uint32_t kBackground = 0x123456;
constexpr std::uint32_t kWhite = 0xFFFFFF, kYellow = 0xFFFF00, kRed = 0xFF0000, kShadow = 0x000040;
using enum TLetterAlign;

// Glyphs: "A" a 3 x 4 block (named 321, which is 65 modulo 256), "B" 2 x 2, "&" 1 x 3, each
// 1 pixel larger both ways once shadowed; "C" has no glyph.
class LettersTest : public testing::Test {
protected:
  void SetUp() override {
    TGraphCollection container;
    container.AddGraphic(gkBitmap, "321", fixtures::Bmp(fixtures::Pattern({"###", "###", "###", "###"})));
    container.AddGraphic(gkBitmap, "66", fixtures::Bmp(fixtures::Pattern({"##", "##"})));
    container.AddGraphic(gkBitmap, "38", fixtures::Bmp(fixtures::Pattern({"#", "#", "#"})));
    for (int font = 0; font < StandardFontCount; ++font)
      FLetters.AddFont(container, StandardFontStyle(font, 32), font);
    ASSERT_TRUE(FTarget.SetSize(60, 40));
    FTarget.Fill(kBackground);
  }

  int Glyph(int font, char c) const { return FLetters.GlyphIndex(font, static_cast<std::uint8_t>(c)); }

  // Top left corner of the first pixel that is not background, scanning rows.
  std::pair<int, int> FirstInk() const {
    for (int y = 0; y < FTarget.Height(); ++y)
      for (int x = 0; x < FTarget.Width(); ++x)
        if (FTarget.Pixel(x, y) != kBackground) return {x, y};
    return {-1, -1};
  }

  TLettersCollection FLetters;
  TSurface FTarget;
};

TEST_F(LettersTest, BuildsOneGlyphSurfacePerEntryAndFont) {
  EXPECT_EQ(FLetters.Count(), 9);
  const int a = Glyph(0, 'A');
  ASSERT_GE(a, 0);
  EXPECT_EQ(FLetters.GlyphWidth(a), 4);
  EXPECT_EQ(FLetters.GlyphHeight(a), 5);
  EXPECT_EQ(FLetters.GetSurface(a)->ColorKey(), 0u);
  EXPECT_NE(Glyph(2, 'A'), a);
  EXPECT_EQ(Glyph(0, 'C'), -1);
  EXPECT_EQ(Glyph(3, 'A'), -1);
}

TEST_F(LettersTest, ClearForgetsEveryFont) {
  FLetters.Clear();
  EXPECT_EQ(FLetters.Count(), 0);
  EXPECT_EQ(Glyph(0, 'A'), -1);
  EXPECT_EQ(FLetters.TextWidth("A"), 10);
  FLetters.DrawLine(FTarget, 0, 0, "A", laLeft, laTop);
  EXPECT_EQ(FirstInk(), std::pair(-1, -1));
}

TEST_F(LettersTest, FontNumbersOutsideTheTableDoNothing) {
  TGraphCollection container;
  container.AddGraphic(gkBitmap, "65", fixtures::Bmp(fixtures::Pattern({"#"})));
  FLetters.AddFont(container, StandardFontStyle(0, 32), 10);
  FLetters.AddFont(container, StandardFontStyle(0, 32), -1);
  EXPECT_EQ(FLetters.Count(), 9);
}

TEST(GlyphCode, TakesTheLowByteOfADecimalName) {
  const std::pair<const char*, int> cases[] = {{"65", 65},  {"321", 65}, {"-191", 65},         {"+66", 66},
                                               {"A", 0},    {"", 0},     {"65x", 0},           {" 65", 0},
                                               {"255", 255}, {"256", 0}, {"99999999999", 0}};
  for (const auto& [name, code] : cases) EXPECT_EQ(TLettersCollection::GlyphCode(name), code) << name;
}

TEST_F(LettersTest, MarkupPicksFonts) {
  const int a0 = Glyph(0, 'A'), a1 = Glyph(1, 'A'), b0 = Glyph(0, 'B'), amp0 = Glyph(0, '&'), amp2 = Glyph(2, '&');
  const std::pair<const char*, std::vector<int>> cases[] = {
      {"AB", {a0, b0}},   {"&1A", {a1}},     {"&&", {amp0}},      {"&2&&", {amp2}}, {"A&3B", {a0, -1}},
      {"&xB", {b0}},      {"A&", {a0}},      {"&1A&0B", {a1, b0}}, {"C", {-1}},      {"", {}},
      {"&1&", {}},        {"&&1A", {amp0, Glyph(0, '1'), a0}},
  };
  for (const auto& [text, glyphs] : cases) EXPECT_EQ(FLetters.TextToGlyphs(text), glyphs) << text;
}

TEST(SplitLines, SplitsAtCrLfOnly) {
  using TLines = std::vector<std::string_view>;
  const std::pair<const char*, TLines> cases[] = {
      {"", {}}, {"a", {"a"}}, {"a\r\n", {"a"}}, {"\r\nb", {"", "b"}}, {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\rb\nc", {"a\rb\nc"}}, {"\r\n\r\n", {"", ""}},
  };
  for (const auto& [text, lines] : cases) EXPECT_EQ(TLettersCollection::SplitLines(text), lines);
}

TEST_F(LettersTest, MeasuresLinesAndTexts) {
  EXPECT_EQ(FLetters.TextWidth(""), 0);
  EXPECT_EQ(FLetters.TextWidth("AB"), 4 + 3 + 4);
  EXPECT_EQ(FLetters.TextWidth("A&3B"), 6 + 10);
  EXPECT_EQ(FLetters.TextWidth("C"), 10);
  EXPECT_EQ(FLetters.LineHeight("BA"), 5);
  EXPECT_EQ(FLetters.LineHeight("C"), 0);
  EXPECT_EQ(FLetters.TextHeight("A\r\n\r\nB", 3), 5 + 3 + 0 + 3 + 3 + 3);
  EXPECT_EQ(FLetters.TextHeight("", 3), 0);
}

TEST_F(LettersTest, DrawsThreeColoursWithAShadowDownRight) {
  FLetters.DrawLine(FTarget, 0, 0, "A&1A&2C&&", laLeft, laTop);
  struct TProbe {
    int X, Y;
    std::uint32_t Color;
  };
  // Glyph boxes 4 x 5 plus a 2-pixel gap: the As start at 0 and 6, the missing C takes 10
  // pixels from 12, and the red "&" starts at 22.
  const TProbe probes[] = {
      {0, 0, kWhite},       {2, 3, kWhite},       {3, 4, kShadow}, {3, 1, kShadow}, {1, 4, kShadow},
      {3, 0, kBackground},  {0, 4, kBackground},  {4, 2, kBackground},
      {6, 0, kYellow},      {9, 4, kShadow},      {12, 0, kBackground}, {21, 2, kBackground},
      {22, 0, kRed},        {22, 2, kRed},        {23, 3, kShadow},     {22, 3, kBackground},
  };
  for (const TProbe& p : probes) EXPECT_EQ(FTarget.Pixel(p.X, p.Y), p.Color) << p.X << "," << p.Y;
}

TEST_F(LettersTest, DrawLineStartsWhereItsAlignmentSays) {
  struct TCase {
    const char* Text;
    TLetterAlign Horizontal, Vertical;
    int X, Y;
  };
  // "A" is 6 wide (4 + gap) and 5 high; "AB" is 11 wide, so centred it starts 5 to the left.
  const TCase cases[] = {
      {"A", laLeft, laTop, 30, 20},     {"A", laCenter, laTop, 27, 20},  {"A", laRight, laTop, 24, 20},
      {"A", laLeft, laCenter, 30, 18},  {"A", laLeft, laBottom, 30, 15}, {"A", laRight, laBottom, 24, 15},
      {"AB", laCenter, laCenter, 25, 18}, {"A", laTop, laLeft, 30, 20},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Text + std::to_string(static_cast<int>(c.Horizontal)) + std::to_string(static_cast<int>(c.Vertical)));
    FTarget.Fill(kBackground);
    FLetters.DrawLine(FTarget, 30, 20, c.Text, c.Horizontal, c.Vertical);
    EXPECT_EQ(FirstInk(), std::pair(c.X, c.Y));
  }
}

TEST_F(LettersTest, DrawTextStacksLinesAndCentresEachOne) {
  struct TCase {
    const char* Text;
    TLetterAlign Horizontal, Vertical;
    int Spacing;
    std::pair<int, int> LastLine;  // where the glyph of the last line starts
  };
  // Heights: A 5, B 3; "A\r\n\r\nB" with spacing 3 is 17 high.
  const TCase cases[] = {
      {"A\r\n\r\nB", laLeft, laTop, 3, {30, 20 + 5 + 3 + 0 + 3}},
      {"A\r\n\r\nB", laLeft, laCenter, 3, {30, 20 - 8 + 11}},
      {"A\r\n\r\nB", laLeft, laBottom, 3, {30, 20 - 17 + 11}},
      {"AB\r\nB", laCenter, laTop, 1, {30 - 2, 26}},
      {"AB\r\nB", laRight, laTop, 1, {30 - 5, 26}},
      {"A\r\nB", laLeft, laLeft, 1, {30, 6}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Text);
    FTarget.Fill(kBackground);
    FLetters.DrawText(FTarget, 30, 20, c.Text, c.Horizontal, c.Vertical, c.Spacing);
    const auto [x, y] = c.LastLine;
    EXPECT_EQ(FTarget.Pixel(x, y), kWhite);
    EXPECT_EQ(FTarget.Pixel(x - 1, y), kBackground);
    EXPECT_EQ(FTarget.Pixel(x, y - 1), kBackground);
  }
}

TEST_F(LettersTest, EveryLineStartsInFontZero) {
  FLetters.DrawText(FTarget, 0, 0, "&1A\r\nA", laLeft, laTop, 0);
  EXPECT_EQ(FTarget.Pixel(0, 0), kYellow);
  EXPECT_EQ(FTarget.Pixel(0, 5), kWhite);
}

TEST(LettersCollection, DropsGlyphsBeyondTheTables) {
  TLettersCollection letters;
  const TImage dot = fixtures::Pattern({"#"});
  int added = 0;
  for (int i = 0; i < TLettersCollection::MaxGlyphs + 40; ++i)
    added += letters.AddGlyph(i % 10, std::to_string(i), dot, {TLetterEffect::leSolid, 0xFFFFFF, 0});
  EXPECT_EQ(added, TLettersCollection::MaxGlyphs);
  EXPECT_EQ(letters.Count(), TLettersCollection::MaxGlyphs);
  // The last glyph that fitted (2560) is code 0 of font 0; no slot points past the tables.
  EXPECT_EQ(letters.GlyphIndex(0, 0), TLettersCollection::MaxGlyphs - 1);
  for (int font = 0; font < TLettersCollection::FontCount; ++font)
    for (int code = 0; code < 256; ++code)
      EXPECT_LT(letters.GlyphIndex(font, static_cast<std::uint8_t>(code)), TLettersCollection::MaxGlyphs);
  EXPECT_FALSE(letters.AddGlyph(11, "65", dot, {}));
}

}  // namespace
