#include "game/scoring.h"

#include <array>

namespace {

// Points of a set by face (index 1..6) and size (index 3..5).
constexpr std::array<std::array<int, 6>, 7> SetPoints = {{
    {},
    {0, 0, 0, 100, 500, 1000},
    {0, 0, 0, 20, 100, 1000},
    {0, 0, 0, 30, 150, 1000},
    {0, 0, 0, 40, 200, 1000},
    {0, 0, 0, 50, 250, 1000},
    {0, 0, 0, 60, 300, 1000},
}};

}  // namespace

TThrowScore ScoreFaces(std::span<const int> faces) {
  const int dice = faces.size() < MaxThrowDice ? static_cast<int>(faces.size()) : MaxThrowDice;
  std::array<int, 7> counts{};
  for (int i = 0; i < dice; ++i) {
    const int face = faces[i];
    if (face >= 1 && face <= 6) ++counts[face];
  }
  TThrowScore score;
  for (int face = 1; face <= 6; ++face) {
    if (counts[face] >= 3) {
      score.SetFace = face;
      score.Points = SetPoints[face][counts[face]];
    }
  }
  if (score.SetFace != 1) score.Points += 10 * counts[1];
  if (score.SetFace != 5) score.Points += 5 * counts[5];
  for (int i = 0; i < dice; ++i) {
    const int face = faces[i];
    if (face == 1 || face == 5 || (score.SetFace != 0 && face == score.SetFace)) {
      score.ScoringMask |= 1 << i;
    }
  }
  return score;
}
