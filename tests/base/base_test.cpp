#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "base/byte_codec.h"
#include "base/file_version.h"
#include "base/rect.h"

TEST(Bin4, EncodesLeastSignificantByteFirstAndBack) {
  const struct {
    std::int32_t Value;
    std::string Bytes;
  } cases[] = {
      {0, std::string(4, '\0')},
      {1, std::string("\x01\x00\x00\x00", 4)},
      {-1, "\xFF\xFF\xFF\xFF"},
      {0x12345678, "\x78\x56\x34\x12"},
      {INT32_MIN, std::string("\x00\x00\x00\x80", 4)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IntToBin4(c.Value), c.Bytes) << c.Value;
    EXPECT_EQ(Bin4ToInt(c.Bytes), c.Value) << c.Value;
  }
}

TEST(Bin4, ShortInputCountsAsHighBytesAndLongInputUsesItsLastFour) {
  EXPECT_EQ(Bin4ToInt(""), 0);
  EXPECT_EQ(Bin4ToInt("\x01\x02"), 0x02010000);
  EXPECT_EQ(Bin4ToInt("\x7F"), 0x7F000000);
  EXPECT_EQ(Bin4ToInt(std::string("\xAA\xBB\x01\x00\x00\x00", 6)), 1);
}

TEST(GetFileVersion, IsTheProjectVersion) {
  EXPECT_EQ(FileVersionText(), THOUSAND_PROJECT_VERSION);
}

TEST(Rects, IntersectionAndBoundingRect) {
  const auto same = [](const TRect& a, const TRect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height;
  };
  const struct {
    TRect A, B, Meet, Bound;
  } cases[] = {
      {{0, 0, 10, 10}, {5, 5, 10, 10}, {5, 5, 5, 5}, {0, 0, 15, 15}},
      {{0, 0, 600, 420}, {22, 357, 469, 61}, {22, 357, 469, 61}, {0, 0, 600, 420}},
      {{0, 0, 10, 10}, {10, 0, 5, 5}, {}, {0, 0, 15, 10}},  // touching edges do not meet
      {{-5, -5, 10, 10}, {0, 0, 600, 420}, {0, 0, 5, 5}, {-5, -5, 605, 425}},
      {{}, {3, 4, 5, 6}, {}, {3, 4, 5, 6}},  // an empty one adds nothing
      {{3, 4, 5, 6}, {7, 7, 0, 9}, {}, {3, 4, 5, 6}},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(same(Intersection(c.A, c.B), c.Meet)) << c.A.Left << "," << c.B.Left;
    EXPECT_TRUE(same(Intersection(c.B, c.A), c.Meet));
    EXPECT_TRUE(same(BoundingRect(c.A, c.B), c.Bound)) << c.A.Left << "," << c.B.Left;
  }
}
