#include <gtest/gtest.h>

#include "game/rules_keyed_cache.h"

namespace {

TGameOptions RulesEnteringAt(int score) {
  TGameOptions rules;
  rules.ENTERSCORE = score;
  return rules;
}

TEST(RulesKeyedCache, MakesEachRuleSetsModelOnceWhileAFewAreInUseAndDropsTheLeastRecent) {
  TRulesKeyedCache<int, 3> cache;
  int made = 0;
  const auto get = [&](int key) { return cache.Get(RulesEnteringAt(key), [&] { return std::make_shared<const int>(++made); }); };

  const auto first = get(200);
  get(300);
  get(600);
  for (int round = 0; round < 3; ++round) {
    EXPECT_EQ(get(200), first);  // going round three rule sets builds nothing more
    get(300);
    get(600);
  }
  EXPECT_EQ(made, 3);

  get(700);  // a fourth: the least recently used (200) goes
  EXPECT_EQ(made, 4);
  get(600);
  get(300);
  EXPECT_EQ(made, 4);
  EXPECT_NE(get(200), first);
  EXPECT_EQ(made, 5);
}

}  // namespace
