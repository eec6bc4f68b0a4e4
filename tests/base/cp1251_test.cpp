#include <gtest/gtest.h>

#include "base/cp1251.h"

TEST(Cp1251, ConvertsCyrillicBothWays) {
  const std::string bytes = Cp1251("Ошибка Ёё №1 a&b");
  EXPECT_EQ(bytes, std::string("\xCE\xF8\xE8\xE1\xEA\xE0 \xA8\xB8 \xB9"
                               "1 a&b"));
  EXPECT_EQ(Utf8(bytes), "Ошибка Ёё №1 a&b");
}

TEST(Cp1251, EveryByteSurvivesARoundTripExceptTheUnassignedOne) {
  for (int b = 1; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    if (b == 0x98) {
      EXPECT_EQ(Utf8(one), "\xEF\xBF\xBD");
      continue;
    }
    EXPECT_EQ(Cp1251(Utf8(one)), one) << "byte " << b;
  }
}

TEST(Cp1251, UnmappableAndMalformedInputBecomeQuestionMarks) {
  EXPECT_EQ(Cp1251("日本"), "??");
  EXPECT_EQ(Cp1251("a\xC3"), "a?");     // sequence cut short
  EXPECT_EQ(Cp1251("\x80z"), "?z");     // stray continuation byte
}
