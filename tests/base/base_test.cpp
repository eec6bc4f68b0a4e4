#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "base/byte_codec.h"
#include "base/file_version.h"

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
