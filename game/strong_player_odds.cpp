#include "game/strong_player_odds.h"

#include <algorithm>
#include <array>
#include <bit>
#include <map>
#include <span>

#include "game/scoring.h"

namespace {

struct TOddsTable {
  std::array<std::vector<TDiceOutcome>, 6> Outcomes;
  std::array<double, 6> Scoring{};
  int MostPoints = 0;
};

const TOddsTable& Odds() {
  static const TOddsTable table = [] {
    TOddsTable odds;
    for (int n = 1; n <= 5; ++n) {
      std::map<std::pair<int, int>, int> counts;
      int combinations = 1;
      for (int i = 0; i < n; ++i) combinations *= 6;
      for (int code = 0; code < combinations; ++code) {
        std::array<int, 5> faces{};
        for (int i = 0, rest = code; i < n; ++i, rest /= 6) faces[i] = 1 + rest % 6;
        const TThrowScore score = ScoreFaces(std::span<const int>(faces.data(), n));
        if (score.Points == 0) continue;
        const int scored = std::popcount(static_cast<unsigned>(score.ScoringMask & ((1U << n) - 1)));
        ++counts[{score.Points, n - scored}];
      }
      for (const auto& [key, count] : counts) {
        const double chance = static_cast<double>(count) / combinations;
        odds.Outcomes[n].push_back({key.first, key.second, chance});
        odds.Scoring[n] += chance;
        odds.MostPoints = std::max(odds.MostPoints, key.first);
      }
    }
    return odds;
  }();
  return table;
}

}  // namespace

const std::vector<TDiceOutcome>& ThrowOutcomes(int dice) { return Odds().Outcomes[std::clamp(dice, 1, 5)]; }

double ScoringChance(int dice) { return Odds().Scoring[std::clamp(dice, 1, 5)]; }

int MostThrowPoints() { return Odds().MostPoints; }
