#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "dice/drop_steps.h"
#include "dice/zarnik.h"
#include "game/random.h"

namespace {

struct TUpright {
  int Face;
  float AngleX;
  float FixedAngle;  // AngleY for faces 1 and 6, AngleZ for the others
};

constexpr TUpright UprightPoses[] = {{1, 90, 180}, {2, 0, 90}, {3, 0, 0}, {4, 0, 180}, {5, 180, 90}, {6, 90, 0}};

void ExpectUpright(const TZarnik& die, const TUpright& pose) {
  EXPECT_EQ(die.Face, pose.Face);
  EXPECT_EQ(die.AngleX, pose.AngleX);
  EXPECT_EQ(die.SpinsAboutZ() ? die.AngleY : die.AngleZ, pose.FixedAngle);
}

TEST(FallStepCount, CountsTheStepsUntilTheBouncesDieOut) {
  EXPECT_EQ(FallStepCount(0.02f, -0.25f, 4.0f), 63);
  EXPECT_EQ(FallStepCount(0.02f, -0.25f, 7.999f), 98);
  EXPECT_EQ(FallStepCount(0.02f, -0.25f, -0.5f), 0);
  for (float height = 4; height < 8; height += 0.125f) {
    const int steps = FallStepCount(0.02f, -0.25f, height);
    EXPECT_GE(steps, 63) << height;
    EXPECT_LE(steps, 98) << height;
  }
}

// Every 7th float of the looked-up range, and a little past both ends where it steps: the
// table must agree with stepping on each, breakpoints included.
TEST(DropSteps, LooksUpTheCountsSteppingGivesForEveryStartHeight) {
  struct TCase {
    float Floor;
    float Low;
    float High;
  };
  for (const TCase& range : {TCase{0, 4, 8}, TCase{1.5f, 5.5f, 9.5f}}) {
    const TDropSteps table(0.02f, -0.25f, range.Floor, 0.15f, range.Low, range.High);
    const auto from = std::bit_cast<std::uint32_t>(range.Low - 0.01f);
    const auto to = std::bit_cast<std::uint32_t>(range.High + 0.01f);
    for (std::uint32_t bits = from; bits <= to; bits += 7) {
      const float height = std::bit_cast<float>(bits);
      const TTouch touch = SteppedTouch(0.02f, -0.25f, range.Floor, height);
      ASSERT_EQ(table.FirstTouch(height), touch.Step) << height;
      ASSERT_EQ(table.UntilRest(height), touch.Step + SteppedBounces(0.02f, touch.Speed, 0.15f)) << height;
      if (range.Floor == 0) {
        ASSERT_EQ(table.UntilRest(height), FallStepCount(0.02f, -0.25f, height)) << height;
      }
    }
  }
}

TEST(ZarnikThrow, EveryFaceEndsExactlyUprightWithOneLanding) {
  for (const TUpright& pose : UprightPoses) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
      TSeededRandom random(seed);
      TRandomScope scope(random);
      TZarnik die;
      die.SetVerticalSpin(6);  // a leftover spin from an earlier throw changes nothing
      die.Throw(pose.Face);
      const int expectedSteps = die.FallSteps + die.SettleSteps + 1;
      int steps = 0;
      int landings = 0;
      while (die.Moving && steps < 1000) {
        die.Step();
        ++steps;
        if (die.LandingEvent) {
          ++landings;
          die.LandingEvent = false;
        }
      }
      SCOPED_TRACE(testing::Message() << "face " << pose.Face << " seed " << seed);
      EXPECT_EQ(steps, expectedSteps);
      EXPECT_EQ(landings, 1);
      EXPECT_TRUE(die.HasBounced);
      EXPECT_EQ(die.Height, 1.5f);
      ExpectUpright(die, pose);
    }
  }
}

TEST(ZarnikThrow, StartsHighAndDriftsOnlyAfterTheFirstTouch) {
  TSeededRandom random(7);
  TRandomScope scope(random);
  TZarnik die;
  die.Throw(3);
  EXPECT_GE(die.Height, 5.5f);
  EXPECT_LT(die.Height, 9.5f);
  EXPECT_GE(die.SettleSteps, 5);
  EXPECT_LE(die.SettleSteps, 14);
  EXPECT_LE(die.SpinX, -5);
  EXPECT_GE(die.SpinX, -19);
  while (!die.HasBounced) {
    EXPECT_EQ(die.PosZ, 0);
    die.Step();
  }
  EXPECT_LT(die.DriftZ, 0);
  EXPECT_LE(std::abs(die.DriftX), 0.03f);
}

TEST(ZarnikPose, SetPoseStandsUprightTurnedByAThirtyDegreeStep) {
  for (const TUpright& pose : UprightPoses) {
    for (int k = 0; k < 3; ++k) {
      TScriptedRandom random;
      TRandomScope scope(random);
      TZarnik die;
      random.PushInt(k);
      die.SetPose(pose.Face);
      SCOPED_TRACE(testing::Message() << "face " << pose.Face << " k " << k);
      ExpectUpright(die, pose);
      EXPECT_EQ(die.SpinAngle(), 30 + 90 * k);
    }
  }
}

TEST(ZarnikPose, VerticalSpinAdvancesTheSpinAngleByItsSpeedPerTurn) {
  for (const TUpright& pose : UprightPoses) {
    TSeededRandom random(pose.Face);
    TRandomScope scope(random);
    TZarnik die;
    die.SetPose(pose.Face);
    const int start = die.SpinAngle();
    die.SetVerticalSpin(4);
    for (int turns = 1; turns <= 200; ++turns) {
      die.Turn();
      ASSERT_EQ(die.SpinAngle(), (start + 4 * turns) % 360) << "face " << pose.Face << " turn " << turns;
      ASSERT_GE(die.AngleY, -180);
      ASSERT_LE(die.AngleY, 180);
      ASSERT_GE(die.AngleZ, -180);
      ASSERT_LE(die.AngleZ, 180);
    }
    ExpectUpright(die, pose);
  }
}

TEST(ZarnikPose, AFaceOutsideTheDieIsStoredAndChangesNothingElse) {
  TZarnik die;
  die.SetPose(3);
  const TZarnik before = die;
  die.SetPose(7);
  EXPECT_EQ(die.Face, 7);
  EXPECT_EQ(die.AngleX, before.AngleX);
  EXPECT_EQ(die.AngleY, before.AngleY);
  EXPECT_EQ(die.AngleZ, before.AngleZ);
  EXPECT_EQ(die.SpinAngle(), 0);
}

TEST(ZarnikPose, SpinAngleRoundsHalvesToEvenAndWrapsIntoAFullTurn) {
  struct TCase {
    int Face;
    float Angle;  // AngleZ for face 6, AngleY for face 5 (both read as they are)
    int Expected;
  };
  const TCase cases[] = {{6, 2.5f, 2}, {6, 3.5f, 4}, {6, -0.5f, 0}, {6, -370, 350}, {6, 720, 0},
                         {5, 359.5f, 0}, {5, -1, 359}, {5, 180, 180}};
  for (const TCase& c : cases) {
    TZarnik die;
    die.Face = static_cast<std::uint8_t>(c.Face);
    (c.Face == 6 ? die.AngleZ : die.AngleY) = c.Angle;
    EXPECT_EQ(die.SpinAngle(), c.Expected) << c.Face << " " << c.Angle;
  }
}

TEST(ZarnikPose, TurnWrapsEachAngleOnceIntoHalfTurns) {
  TZarnik die;
  die.AngleX = 179;
  die.AngleY = -179;
  die.AngleZ = 100;
  die.SetSpin(4, -4, 80);
  die.Turn();
  EXPECT_EQ(die.AngleX, -177);
  EXPECT_EQ(die.AngleY, 177);
  EXPECT_EQ(die.AngleZ, 180);
}

}  // namespace
