#include "platform/present_gate.h"

#include <gtest/gtest.h>

namespace {

TFrameKey KeyOf(std::initializer_list<std::uint32_t> pixels, float dieAngle) {
  TFrameKey key;
  key.Add(600);
  key.Add(dieAngle);
  const auto room = key.Extend(pixels.size());
  std::copy(pixels.begin(), pixels.end(), room.begin());
  return key;
}

TEST(PresentGate, LetsThroughTheFirstFrameAndThenOnlyChangedOnes) {
  TPresentGate gate;
  EXPECT_TRUE(gate.Admit(KeyOf({1, 2, 3}, 90.0f)));
  EXPECT_FALSE(gate.Admit(KeyOf({1, 2, 3}, 90.0f)));
  EXPECT_TRUE(gate.Admit(KeyOf({1, 2, 4}, 90.0f))) << "one pixel";
  EXPECT_TRUE(gate.Admit(KeyOf({1, 2, 4}, 90.5f))) << "a die turned";
  EXPECT_TRUE(gate.Admit(KeyOf({1, 2, 4, 0}, 90.5f))) << "a longer key, as when an overlay opens";
  EXPECT_TRUE(gate.Admit(KeyOf({1, 2, 4}, 90.5f))) << "and closes again";
  EXPECT_FALSE(gate.Admit(KeyOf({1, 2, 4}, 90.5f)));
}

TEST(PresentGate, AFrameAfterForgetGoesThroughOnce) {
  TPresentGate gate;
  const TFrameKey key = KeyOf({7, 7}, 0.0f);
  ASSERT_TRUE(gate.Admit(key));
  gate.Forget();
  EXPECT_TRUE(gate.Admit(key));
  EXPECT_FALSE(gate.Admit(key));
}

TEST(FrameKey, ClearStartsAnEmptyKeyAndExtendAppendsRoom) {
  TFrameKey key;
  key.Add(true);
  key.Add(-1);
  key.Extend(2)[1] = 5;
  EXPECT_EQ(key.Words(), (std::vector<std::uint32_t>{1, 0xFFFFFFFFu, 0, 5}));
  key.Clear();
  EXPECT_TRUE(key.Words().empty());
}

TEST(FrameKey, TextsKeepTheirBoundsAndEveryByte) {
  const auto keyOf = [](std::initializer_list<std::string_view> texts) {
    TFrameKey key;
    for (const std::string_view text : texts) key.Add(text);
    return key.Words();
  };
  EXPECT_EQ(keyOf({"abcde"}), keyOf({"abcde"}));
  EXPECT_NE(keyOf({"ab", "c"}), keyOf({"a", "bc"}));
  EXPECT_NE(keyOf({"abcd"}), keyOf({"abcd", ""}));
  EXPECT_NE(keyOf({"abcde"}), keyOf({"abcdf"})) << "the byte past a full word";
  EXPECT_NE(keyOf({std::string_view("a\0", 2)}), keyOf({"a"}));
  EXPECT_NE(keyOf({"\xFF"}), keyOf({"\x7F"})) << "high bytes, as in Windows-1251 texts";
}

}  // namespace
