#include "game/scoring.h"

#include <array>
#include <bit>

namespace {

// Points of a set by face (index 1..6) and size (index 3..5).
constexpr std::array<std::array<int, 6>, 7> kSetPoints = {{
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
  // How many dice show each face, four bits per face (face f at bits 4f..4f+3).
  std::uint32_t counts = 0;
  for (int i = 0; i < dice; ++i) {
    const int face = faces[i];
    if (face >= 1 && face <= 6) counts += 1u << (4 * face);
  }
  TThrowScore score;
  // Adding 5 to a count of at most 5 sets its top bit exactly when the count is 3 or more;
  // at most one face can reach three.
  const std::uint32_t sets = (counts + 0x5555550u) & 0x8888880u;
  if (sets != 0) {
    score.SetFace = std::countr_zero(sets) / 4;
    score.Points = kSetPoints[score.SetFace][counts >> (4 * score.SetFace) & 0xF];
  }
  const int ones = static_cast<int>(counts >> 4 & 0xF);
  const int fives = static_cast<int>(counts >> 20 & 0xF);
  if (score.SetFace != 1) score.Points += 10 * ones;
  if (score.SetFace != 5) score.Points += 5 * fives;
  // The faces that score, as bits, so that the mask is built without branching on random faces.
  const unsigned scoringFaces = 1u << 1 | 1u << 5 | (score.SetFace != 0 ? 1u << score.SetFace : 0u);
  for (int i = 0; i < dice; ++i) {
    const auto face = static_cast<unsigned>(faces[i]);
    const unsigned scores = face < 8 ? scoringFaces >> face & 1u : 0u;
    score.ScoringMask = static_cast<std::uint8_t>(score.ScoringMask | scores << i);
  }
  return score;
}
