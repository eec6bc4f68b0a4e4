#include <gtest/gtest.h>

#include <array>

#include "game/random.h"

namespace {

TEST(Random, ASeedRepeatsItsSequenceAndStaysInRange) {
  TSeededRandom a(42);
  TSeededRandom b(42);
  std::array<int, 6> counts{};
  for (int i = 0; i < 6000; ++i) {
    const int face = a.Random(6);
    ASSERT_EQ(face, b.Random(6));
    ASSERT_GE(face, 0);
    ASSERT_LT(face, 6);
    ++counts[face];
    const double real = a.RandomReal();
    ASSERT_EQ(real, b.RandomReal());
    ASSERT_GE(real, 0.0);
    ASSERT_LT(real, 1.0);
  }
  for (const int count : counts) EXPECT_NEAR(count, 1000, 150);
  EXPECT_EQ(a.Random(1), 0);
  EXPECT_EQ(a.Random(0), 0);
  TSeededRandom c(43);
  TSeededRandom d(42);
  bool differs = false;
  for (int i = 0; i < 10; ++i) differs = differs || c.Random(1000) != d.Random(1000);
  EXPECT_TRUE(differs);
}

TEST(Random, ScriptedValuesComeFirstThenTheFallback) {
  TScriptedRandom scripted(7);
  scripted.PushInt(4);
  scripted.PushInt(-1);
  scripted.PushInt(13);
  scripted.PushReal(0.75);
  EXPECT_EQ(scripted.Random(6), 4);
  EXPECT_EQ(scripted.Random(6), 5);  // reduced into 0..n-1
  EXPECT_EQ(scripted.Random(6), 1);
  EXPECT_EQ(scripted.RandomReal(), 0.75);
  TSeededRandom fallback(7);
  EXPECT_EQ(scripted.Random(100), fallback.Random(100));
  EXPECT_EQ(scripted.Draws(), 5);
}

TEST(Random, ScopesInstallAndRestoreTheGenerator) {
  TScriptedRandom outer;
  TScriptedRandom inner;
  {
    TRandomScope outerScope(outer);
    {
      TRandomScope innerScope(inner);
      Rng().Random(6);
    }
    Rng().Random(6);
    Rng().Random(6);
  }
  EXPECT_EQ(inner.Draws(), 1);
  EXPECT_EQ(outer.Draws(), 2);
  EXPECT_NE(&Rng().Installed(), static_cast<IRandom*>(&outer));
}

TEST(Random, DrawsReachTheInnermostGeneratorWhicheverKindItIs) {
  // Seeded generators are drawn from directly and others through the interface: a scripted one
  // installed between two seeded ones must get exactly its own draws.
  TSeededRandom outer(5);
  TSeededRandom outerTwin(5);
  TScriptedRandom middle;
  TSeededRandom inner(9);
  TSeededRandom innerTwin(9);
  TRandomScope outerScope(outer);
  EXPECT_EQ(Rng().Random(1000), outerTwin.Random(1000));
  {
    TRandomScope middleScope(middle);
    middle.PushInt(3);
    EXPECT_EQ(Rng().Random(6), 3);
    {
      TRandomScope innerScope(inner);
      EXPECT_EQ(Rng().RandomReal(), innerTwin.RandomReal());
      EXPECT_EQ(&Rng().Installed(), static_cast<IRandom*>(&inner));
    }
    middle.PushReal(0.25);
    EXPECT_EQ(Rng().RandomReal(), 0.25);
  }
  EXPECT_EQ(Rng().RandomReal(), outerTwin.RandomReal());
  EXPECT_EQ(middle.Draws(), 2);
}

}  // namespace
