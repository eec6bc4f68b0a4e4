#pragma once

#include <cstdint>
#include <span>

inline constexpr int MaxThrowDice = 5;

// What one throw scores.
struct TThrowScore {
  int Points = 0;
  int SetFace = 0;               // the face of a set of three or more, 0 without one
  std::uint8_t ScoringMask = 0;  // bit i set: die i shows 1, 5 or the set's face

  bool Scores(int die) const { return die >= 0 && die < 8 && (ScoringMask >> die & 1) != 0; }
  bool operator==(const TThrowScore&) const = default;
};

// Scores the faces of one throw (1 to 5 dice, faces 1..6): sets of three or more, single 1s
// (10 each) and single 5s (5 each). Only the first five faces count; a face outside 1..6
// scores nothing.
TThrowScore ScoreFaces(std::span<const int> faces);
