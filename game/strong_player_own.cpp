#include "game/strong_player_own.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>

#include "game/computer_player.h"
#include "game/rules_keyed_cache.h"
#include "game/strong_player_odds.h"
#include "game/turn_limits.h"

namespace {

// Turns are planned this far past what wins at once; a turn still thrown on there is recorded.
constexpr int kTurnMargin = 100;
// The play is refined until no standing's turns expected move by more than this.
constexpr double kSettled = 1e-2;
constexpr int kMostRounds = 30;

std::size_t Cell(int turn, int freeDice, bool kept) {
  return (static_cast<std::size_t>(turn / RaceScoreStep) * 6 + freeDice) * 2 + kept;
}

// Bolts, falls and the open barrel's tries are not told apart here: the chain counts them.
TRaceState Plain(const TGameOptions& rules, TRaceState state) {
  state.Bolts = 0;
  state.BarrelFalls = 0;
  if (rules.BARRELSTYPE == 2) state.BarrelTries = 0;
  return state;
}

// Where a scoreless or overshot turn leads, each counter the rules carry taken as spread evenly
// over its values: a bolt costs a share of the penalty, a miss a share of the fall.
using TEnd = TRaceState (*)(const TGameOptions&, TRaceState);
std::vector<std::pair<TRaceState, double>> SpreadEnds(const TGameOptions& rules, const TRaceState& state, TEnd end) {
  const bool openTries = rules.BARRELSTYPE == 2 && rules.OPENBARRELLIMIT;
  const int bolts = rules.IS_BOLTS ? std::max<int>(rules.BOLTSTOGODOWN, 1) : 1;
  const int falls = rules.BARRELSTYPE == 1 || openTries ? std::max<int>(rules.BARRELSCOUNT, 1) : 1;
  const int tries = openTries ? std::max<int>(rules.BARRELSATTEMPT, 1) : 1;
  const double share = 1.0 / (bolts * falls * tries);
  std::vector<std::pair<TRaceState, double>> ends;
  for (int b = 0; b < bolts; ++b) {
    for (int f = 0; f < falls; ++f) {
      for (int t = 0; t < tries; ++t) {
        TRaceState counted = state;
        counted.Bolts = b;
        counted.BarrelFalls = f;
        if (openTries) counted.BarrelTries = t;
        ends.emplace_back(Plain(rules, end(rules, counted)), share);
      }
    }
  }
  return ends;
}

// Gaussian elimination with partial pivoting of n equations, each row n coefficients and the
// right-hand side.
std::vector<double> SolveLinear(std::vector<double>& system, std::size_t n) {
  const std::size_t width = n + 1;
  for (std::size_t column = 0; column < n; ++column) {
    std::size_t pivot = column;
    for (std::size_t row = column + 1; row < n; ++row) {
      if (std::abs(system[row * width + column]) > std::abs(system[pivot * width + column])) pivot = row;
    }
    if (pivot != column) {
      std::swap_ranges(system.begin() + static_cast<std::ptrdiff_t>(column * width),
                       system.begin() + static_cast<std::ptrdiff_t>((column + 1) * width),
                       system.begin() + static_cast<std::ptrdiff_t>(pivot * width));
    }
    const double* top = &system[column * width];
    for (std::size_t row = column + 1; row < n; ++row) {
      double* below = &system[row * width];
      const double factor = below[column] / top[column];
      if (factor == 0) continue;
      for (std::size_t k = column; k < width; ++k) below[k] -= factor * top[k];
    }
  }
  std::vector<double> solution(n);
  for (std::size_t row = n; row-- > 0;) {
    const double* equation = &system[row * width];
    double value = equation[n];
    for (std::size_t k = row + 1; k < n; ++k) value -= equation[k] * solution[k];
    solution[row] = value / equation[row];
  }
  return solution;
}

}  // namespace

// One turn from a standing, as the turns expected after each of its ends make it.
struct TSoonestPlay::TTurnPlan {
  int MinTurn = 0;
  int MaxTurn = 0;
  int Cap = 0;
  std::vector<char> Throws;  // by cell: throw on rather than record
};

TSoonestPlay::TSoonestPlay(const TGameOptions& rules) : FRules(rules) {
  FTries = rules.BARRELSTYPE == 1 ? rules.BARRELSATTEMPT + 1 : 1;
  FTurnsLeft.assign(static_cast<std::size_t>(2 * FTries * RaceTotals), 0);
  std::vector<TRaceState> standings;
  for (int slot = 0; slot < RaceTotals; ++slot) {
    const int total = RaceLowestTotal + slot * RaceScoreStep;
    for (int tries = 0; tries < FTries; ++tries) {
      if (tries > 0 && total != rules.BARRELSSCORE) continue;
      standings.push_back({.Total = total, .Entered = true, .BarrelTries = tries});
    }
    if (total <= 0) standings.push_back({.Total = total, .Entered = false});
  }
  // Policy iteration: plan every turn on the turns expected so far, then count exactly what
  // that play expects (falls and misses loop back, so it is a linear system); until no
  // standing moves. The first plan records as soon as it may, a play that always finishes.
  for (int round = 0; round < kMostRounds; ++round) {
    const std::vector<double> turnsLeft = TurnsLeftOfPlay(standings);
    double moved = 0;
    for (std::size_t i = 0; i < standings.size(); ++i) {
      double& kept = FTurnsLeft[Slot(standings[i])];
      moved = std::max(moved, std::abs(turnsLeft[i] - kept));
      kept = turnsLeft[i];
    }
    if (moved < kSettled) break;
  }
}

std::vector<double> TSoonestPlay::TurnsLeftOfPlay(std::span<const TRaceState> standings) const {
  // Row i: E_i - sum over the turn's ends of chance * E_end = 1.
  const std::size_t n = standings.size();
  std::vector<int> index(FTurnsLeft.size(), -1);
  for (std::size_t i = 0; i < n; ++i) index[Slot(standings[i])] = static_cast<int>(i);
  std::vector<double> system(n * (n + 1), 0);
  for (std::size_t i = 0; i < n; ++i) {
    const TRaceState& state = standings[i];
    double* row = &system[i * (n + 1)];
    row[i] = 1;
    row[n] = 1;
    const auto add = [&](const TRaceState& to, double chance) {
      if (!to.Won) row[index[Slot(to)]] -= chance;
    };
    const TTurnEnds ends = Follow(PlanTurn(state));
    for (const auto& [turn, chance] : ends.Recorded) add(AfterRecord(FRules, state, turn), chance);
    for (const auto& [to, share] : SpreadEnds(FRules, state, AfterZero)) add(to, ends.Zero * share);
    for (const auto& [to, share] : SpreadEnds(FRules, state, AfterOvershoot)) add(to, ends.Overshoot * share);
  }
  return SolveLinear(system, n);
}

int TSoonestPlay::Slot(const TRaceState& state) const {
  const int total = std::clamp(state.Total, RaceLowestTotal, RaceHighestTotal);
  const bool entered = state.Entered || total > 0;
  const int tries =
      FRules.BARRELSTYPE == 1 && total == FRules.BARRELSSCORE ? std::clamp(state.BarrelTries, 0, FTries - 1) : 0;
  return (entered * FTries + tries) * RaceTotals + (total - RaceLowestTotal) / RaceScoreStep;
}

double TSoonestPlay::TurnsLeft(const TRaceState& state) const { return state.Won ? 0 : FTurnsLeft[Slot(state)]; }

TSoonestPlay::TTurnPlan TSoonestPlay::PlanTurn(const TRaceState& state) const {
  TTurnPlan plan;
  plan.MinTurn = MinTurnScoreAt(FRules, state.Total, state.Entered);
  plan.MaxTurn = TurnLimitAt(FRules, state.Total).value_or(std::numeric_limits<int>::max());
  plan.Cap = std::max(Goal(FRules) - state.Total, plan.MinTurn) + kTurnMargin;
  plan.Throws.assign(Cell(plan.Cap + RaceScoreStep, 0, false), 0);
  const auto spreadTurnsLeft = [&](TEnd end) {
    double turns = 0;
    for (const auto& [to, share] : SpreadEnds(FRules, state, end)) turns += share * TurnsLeft(to);
    return turns;
  };
  const double zero = spreadTurnsLeft(AfterZero);
  const double overshoot = spreadTurnsLeft(AfterOvershoot);
  const auto recorded = [&](int turn) { return TurnsLeft(AfterRecord(FRules, state, turn)); };
  const auto canRecord = [&](int turn, bool kept) {
    return turn >= plan.MinTurn && (kept || !FRules.NEEDDICEFORALLZARNIKS);
  };
  std::vector<double> after(plan.Throws.size(), 0);  // the turns expected after the turn, by cell
  const auto value = [&](int turn, int freeDice, bool kept) {
    if (turn >= plan.Cap) return canRecord(turn, kept) ? recorded(turn) : zero;
    return after[Cell(turn, freeDice, kept)];
  };
  const auto throwOn = [&](int turn, int freeDice) {
    double expected = (1 - ScoringChance(freeDice)) * zero;
    for (const TDiceOutcome& o : ThrowOutcomes(freeDice)) {
      const int reached = turn + o.Points;
      expected += o.Chance * (reached > plan.MaxTurn ? overshoot : value(reached, o.NextFree(), o.KeepsAny()));
    }
    return expected;
  };
  for (int turn = plan.Cap - RaceScoreStep; turn >= 0; turn -= RaceScoreStep) {
    const double recording = recorded(turn);
    for (int freeDice = 1; freeDice <= 5; ++freeDice) {
      for (const bool kept : {false, true}) {
        // Nothing stays set aside only when all five dice come back.
        if (!kept && freeDice < 5) continue;
        const TTurnSituation situation{state.Total, turn, freeDice, kept, plan.MinTurn, plan.MaxTurn};
        const std::optional<bool> forced = turn == 0 ? true : ForcedChoice(FRules, situation);
        const double throwing = forced == false ? 0 : throwOn(turn, freeDice);
        const bool throws = forced ? *forced : throwing < recording;
        plan.Throws[Cell(turn, freeDice, kept)] = throws;
        after[Cell(turn, freeDice, kept)] = throws ? throwing : recording;
      }
    }
  }
  return plan;
}

TTurnEnds TSoonestPlay::Follow(const TTurnPlan& plan) const {
  TTurnEnds ends;
  std::vector<double> reach(plan.Throws.size(), 0);
  const auto throwOn = [&](int turn, int freeDice, double chance) {
    ends.Zero += chance * (1 - ScoringChance(freeDice));
    for (const TDiceOutcome& o : ThrowOutcomes(freeDice)) {
      const int reached = turn + o.Points;
      const double share = chance * o.Chance;
      if (reached > plan.MaxTurn)
        ends.Overshoot += share;
      else if (reached < plan.Cap)
        reach[Cell(reached, o.NextFree(), o.KeepsAny())] += share;
      else if (reached >= plan.MinTurn && (o.KeepsAny() || !FRules.NEEDDICEFORALLZARNIKS))
        ends.Recorded[reached] += share;
      else
        ends.Zero += share;
    }
  };
  throwOn(0, 5, 1);
  for (int turn = RaceScoreStep; turn < plan.Cap; turn += RaceScoreStep) {
    for (int freeDice = 1; freeDice <= 5; ++freeDice) {
      for (const bool kept : {false, true}) {
        // Nothing stays set aside only when all five dice come back.
        if (!kept && freeDice < 5) continue;
        const double chance = reach[Cell(turn, freeDice, kept)];
        if (chance == 0) continue;
        if (plan.Throws[Cell(turn, freeDice, kept)])
          throwOn(turn, freeDice, chance);
        else
          ends.Recorded[turn] += chance;
      }
    }
  }
  return ends;
}

TTurnEnds TSoonestPlay::TurnEnds(const TRaceState& state) const { return Follow(PlanTurn(Plain(FRules, state))); }

std::shared_ptr<const TRaceModel> OwnRaceModelFor(const TGameOptions& rules) {
  static thread_local TRulesKeyedCache<TRaceModel> kept;
  return kept.Get(rules, [&rules] {
    const TSoonestPlay play(rules);
    return std::make_shared<const TRaceModel>(rules, [&play](const TRaceState& state) { return play.TurnEnds(state); });
  });
}
