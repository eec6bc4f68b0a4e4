#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/scoring.h"

namespace {

std::uint8_t Mask(std::initializer_list<int> dice) {
  std::uint8_t mask = 0;
  for (const int die : dice) mask |= 1 << die;
  return mask;
}

// The rules written another way: a set's points from a formula (four of a kind is five
// times three, five of a kind 1000), and each die judged on its own.
TThrowScore ScoreByFormula(const std::vector<int>& faces) {
  TThrowScore score;
  for (int face = 1; face <= 6; ++face) {
    const auto count = std::count(faces.begin(), faces.end(), face);
    if (count < 3) continue;
    score.SetFace = face;
    const int three = face == 1 ? 100 : 10 * face;
    score.Points = count == 5 ? 1000 : count == 4 ? 5 * three : three;
  }
  for (std::size_t die = 0; die < faces.size(); ++die) {
    const int face = faces[die];
    if (face == score.SetFace) {
      score.ScoringMask |= 1 << die;
    } else if (face == 1 || face == 5) {
      score.Points += face == 1 ? 10 : 5;
      score.ScoringMask |= 1 << die;
    }
  }
  return score;
}

}  // namespace

TEST(ScoreFaces, WorkedThrows) {
  const struct {
    std::vector<int> Faces;
    TThrowScore Expected;
  } cases[] = {
      {{1, 1, 1, 5, 2}, {105, 1, Mask({0, 1, 2, 3})}},
      {{2, 2, 2, 2, 3}, {100, 2, Mask({0, 1, 2, 3})}},
      {{5, 5, 5, 5, 1}, {260, 5, Mask({0, 1, 2, 3, 4})}},
      {{5, 5, 5, 1, 1}, {70, 5, Mask({0, 1, 2, 3, 4})}},
      {{1, 1, 1, 1, 1}, {1000, 1, Mask({0, 1, 2, 3, 4})}},
      {{6, 6, 6, 6, 6}, {1000, 6, Mask({0, 1, 2, 3, 4})}},
      {{1, 5, 3, 4, 6}, {15, 0, Mask({0, 1})}},
      {{1, 1, 5, 5, 6}, {30, 0, Mask({0, 1, 2, 3})}},
      {{2, 3, 4, 6, 6}, {0, 0, 0}},
      {{2, 2, 3, 3, 4}, {0, 0, 0}},
      {{2, 3, 4, 5, 6}, {5, 0, Mask({3})}},     // a straight scores only its 5
      {{3, 3, 3, 2, 2}, {30, 3, Mask({0, 1, 2})}},  // a full house only its set
      {{4, 6, 4, 1, 4}, {50, 4, Mask({0, 2, 3, 4})}},
      {{3, 3, 3}, {30, 3, Mask({0, 1, 2})}},
      {{5}, {5, 0, Mask({0})}},
      {{2}, {0, 0, 0}},
      {{1, 1}, {20, 0, Mask({0, 1})}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ScoreFaces(c.Faces), c.Expected) << ::testing::PrintToString(c.Faces);
  }
}

TEST(ScoreFaces, EverySetOfTheTable) {
  const int three[] = {0, 100, 20, 30, 40, 50, 60};
  const int four[] = {0, 500, 100, 150, 200, 250, 300};
  for (int face = 1; face <= 6; ++face) {
    EXPECT_EQ(ScoreFaces(std::vector<int>(3, face)).Points, three[face]) << face;
    EXPECT_EQ(ScoreFaces(std::vector<int>(4, face)).Points, four[face]) << face;
    EXPECT_EQ(ScoreFaces(std::vector<int>(5, face)).Points, 1000) << face;
  }
}

TEST(ScoreFaces, AgreesWithTheFormulaOnEveryThrowOfOneToFiveDice) {
  int throws = 0;
  for (int dice = 1; dice <= MaxThrowDice; ++dice) {
    std::vector<int> faces(static_cast<std::size_t>(dice), 1);
    for (;;) {
      const TThrowScore score = ScoreFaces(faces);
      ASSERT_EQ(score, ScoreByFormula(faces)) << ::testing::PrintToString(faces);
      ASSERT_EQ(score.Points % 5, 0);
      ASSERT_EQ(score.Points == 0, score.ScoringMask == 0);
      ++throws;
      // Next throw, counting in base 6.
      std::size_t die = 0;
      while (die < faces.size() && faces[die] == 6) faces[die++] = 1;
      if (die == faces.size()) break;
      ++faces[die];
    }
  }
  EXPECT_EQ(throws, 6 + 36 + 216 + 1296 + 7776);
}

TEST(ScoreFaces, FacesOutsideTheDieAndDiceBeyondFiveScoreNothing) {
  EXPECT_EQ(ScoreFaces(std::vector<int>{0, 7, -1, 1}), (TThrowScore{10, 0, Mask({3})}));
  EXPECT_EQ(ScoreFaces(std::vector<int>{0, 0, 0}), TThrowScore{});
  EXPECT_EQ(ScoreFaces(std::vector<int>{1, 1, 1, 1, 1, 1, 5}), (TThrowScore{1000, 1, Mask({0, 1, 2, 3, 4})}));
  EXPECT_EQ(ScoreFaces(std::vector<int>{}), TThrowScore{});
}
