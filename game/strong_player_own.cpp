#include "game/strong_player_own.h"

#include <algorithm>
#include <array>
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
// The play is refined until no standing's value moves by more than this.
constexpr double kSettled = 1e-5;
constexpr int kMostRounds = 30;

std::size_t Cell(int turn, int freeDice, bool kept) {
  return (static_cast<std::size_t>(turn / RaceScoreStep) * 6 + freeDice) * 2 + kept;
}

// A throw's scoring outcome as a step from a turn's first cell to the cell it reaches.
struct TCellStep {
  std::size_t Offset;
  double Chance;
};

std::span<const TCellStep> CellSteps(int dice) {
  static const std::array<std::vector<TCellStep>, 6> steps = [] {
    std::array<std::vector<TCellStep>, 6> byDice;
    for (int n = 1; n <= 5; ++n) {
      for (const TDiceOutcome& o : ThrowOutcomes(n))
        byDice[n].push_back({Cell(o.Points, o.NextFree(), o.KeepsAny()), o.Chance});
    }
    return byDice;
  }();
  return steps[dice];
}

// The value of a throw of `dice` dice from the cells `from` starts at, a scoreless one worth `zero`.
double ThrowValue(int dice, double zero, const double* from) {
  const std::span<const TCellStep> steps = CellSteps(dice);  // first: the sum then stays in a register
  double value = (1 - ScoringChance(dice)) * zero;
  for (const TCellStep& step : steps) value += step.Chance * from[step.Offset];
  return value;
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

// One turn from a standing, as the values after each of its ends make it.
struct TRacingPlay::TTurnPlan {
  int MinTurn = 0;
  int MaxTurn = 0;
  int Cap = 0;
  std::vector<char> Throws;  // by cell: throw on rather than record
};

TRacingPlay::TRacingPlay(const TGameOptions& rules, double discount) : FRules(rules), FDiscount(discount) {
  FTries = rules.BARRELSTYPE == 1 ? rules.BARRELSATTEMPT + 1 : 1;
  FValues.assign(static_cast<std::size_t>(2 * FTries * RaceTotals), 0);
  FTurnEnds.resize(FValues.size());
  std::vector<TRaceState> standings;
  for (int slot = 0; slot < RaceTotals; ++slot) {
    const int total = RaceLowestTotal + slot * RaceScoreStep;
    for (int tries = 0; tries < FTries; ++tries) {
      if (tries > 0 && total != rules.BARRELSSCORE) continue;
      standings.push_back({.Total = total, .Entered = true, .BarrelTries = tries});
    }
    if (total <= 0) standings.push_back({.Total = total, .Entered = false});
  }
  // Policy iteration from the ladder's play: plan every turn on the values so far, then count
  // exactly what that play is worth (falls and misses loop back, so it is a linear system);
  // until no standing moves. The turns of the last play counted are kept: planned again on
  // values this close they come out the same.
  const std::shared_ptr<const TRaceModel> ladder = RaceModelFor(rules);
  for (const TRaceState& state : standings) {
    double value = 0;
    double before = 0;
    double weight = discount;
    for (const float finished : ladder->FinishedWithin(state)) {
      value += weight * (finished - before);
      before = finished;
      weight *= discount;
    }
    FValues[Slot(state)] = value;
  }
  for (int round = 0; round < kMostRounds; ++round) {
    const std::vector<double> values = ValuesOfPlay(standings);
    double moved = 0;
    for (std::size_t i = 0; i < standings.size(); ++i) {
      double& kept = FValues[Slot(standings[i])];
      moved = std::max(moved, std::abs(values[i] - kept));
      kept = values[i];
    }
    if (moved < kSettled) break;
  }
}

std::vector<double> TRacingPlay::ValuesOfPlay(std::span<const TRaceState> standings) {
  // Row i: V_i - discount * sum over the turn's ends of chance * V_end = discount * chance to win.
  const std::size_t n = standings.size();
  std::vector<int> index(FValues.size(), -1);
  for (std::size_t i = 0; i < n; ++i) index[Slot(standings[i])] = static_cast<int>(i);
  std::vector<double> system(n * (n + 1), 0);
  for (std::size_t i = 0; i < n; ++i) {
    const TRaceState& state = standings[i];
    double* row = &system[i * (n + 1)];
    row[i] = 1;
    const auto add = [&](const TRaceState& to, double chance) {
      if (to.Won)
        row[n] += FDiscount * chance;
      else
        row[index[Slot(to)]] -= FDiscount * chance;
    };
    const TTurnEnds& ends = FTurnEnds[Slot(state)] = Follow(PlanTurn(state));
    for (const auto& [turn, chance] : ends.Recorded) add(AfterRecord(FRules, state, turn), chance);
    for (const auto& [to, share] : SpreadEnds(FRules, state, AfterZero)) add(to, ends.Zero * share);
    for (const auto& [to, share] : SpreadEnds(FRules, state, AfterOvershoot)) add(to, ends.Overshoot * share);
  }
  return SolveLinear(system, n);
}

int TRacingPlay::Slot(const TRaceState& state) const {
  const int total = std::clamp(state.Total, RaceLowestTotal, RaceHighestTotal);
  const bool entered = state.Entered || total > 0;
  const int tries =
      FRules.BARRELSTYPE == 1 && total == FRules.BARRELSSCORE ? std::clamp(state.BarrelTries, 0, FTries - 1) : 0;
  return (entered * FTries + tries) * RaceTotals + (total - RaceLowestTotal) / RaceScoreStep;
}

double TRacingPlay::Value(const TRaceState& state) const { return state.Won ? 1 : FValues[Slot(state)]; }

TRacingPlay::TTurnPlan TRacingPlay::PlanTurn(const TRaceState& state) const {
  TTurnPlan plan;
  plan.MinTurn = MinTurnScoreAt(FRules, state.Total, state.Entered);
  const int mostPoints = MostThrowPoints();
  plan.MaxTurn = TurnLimitAt(FRules, state.Total).value_or(std::numeric_limits<int>::max() - mostPoints);
  // Nothing is planned past the open barrel's limit: no turn gets there.
  plan.Cap = std::min(std::max(Goal(FRules) - state.Total, plan.MinTurn) + kTurnMargin, plan.MaxTurn + RaceScoreStep);
  plan.Throws.assign(Cell(plan.Cap, 0, false), 0);
  const auto spreadValue = [&](TEnd end) {
    double value = 0;
    for (const auto& [to, share] : SpreadEnds(FRules, state, end)) value += share * Value(to);
    return value;
  };
  const double zero = spreadValue(AfterZero);
  const double overshoot = spreadValue(AfterOvershoot);
  const auto recorded = [&](int turn) { return Value(AfterRecord(FRules, state, turn)); };
  const auto canRecord = [&](int turn, bool kept) {
    return turn >= plan.MinTurn && (kept || !FRules.NEEDDICEFORALLZARNIKS);
  };
  // The value after the turn, by cell; past the plan, as far as one throw reaches, the turn is
  // recorded where it may be and lost past the open barrel's limit.
  std::vector<double> after(Cell(plan.Cap + mostPoints + RaceScoreStep, 0, false), 0);
  for (int turn = plan.Cap; turn <= plan.Cap + mostPoints; turn += RaceScoreStep) {
    const double recording = turn > plan.MaxTurn ? overshoot : recorded(turn);
    for (int freeDice = 1; freeDice <= 5; ++freeDice) {
      for (const bool kept : {false, true}) {
        after[Cell(turn, freeDice, kept)] = turn > plan.MaxTurn || canRecord(turn, kept) ? recording : zero;
      }
    }
  }
  for (int turn = plan.Cap - RaceScoreStep; turn >= 0; turn -= RaceScoreStep) {
    const double recording = recorded(turn);
    const double* throwFrom = &after[Cell(turn, 0, false)];
    for (int freeDice = 1; freeDice <= 5; ++freeDice) {
      for (const bool kept : {false, true}) {
        // Nothing stays set aside only when all five dice come back.
        if (!kept && freeDice < 5) continue;
        const TTurnSituation situation{state.Total, turn, freeDice, kept, plan.MinTurn, plan.MaxTurn};
        const std::optional<bool> forced = turn == 0 ? true : ForcedChoice(FRules, situation);
        const double throwing = forced == false ? 0 : ThrowValue(freeDice, zero, throwFrom);
        const bool throws = forced ? *forced : throwing > recording;
        plan.Throws[Cell(turn, freeDice, kept)] = throws;
        after[Cell(turn, freeDice, kept)] = throws ? throwing : recording;
      }
    }
  }
  return plan;
}

TTurnEnds TRacingPlay::Follow(const TTurnPlan& plan) const {
  TTurnEnds ends;
  double zero = 0;
  double overshoot = 0;
  std::vector<double> reach(plan.Throws.size(), 0);
  // By turn, as far as one throw goes past the plan: the map is filled in order at the end.
  std::vector<double> recorded(static_cast<std::size_t>((plan.Cap + MostThrowPoints()) / RaceScoreStep) + 1, 0);
  const auto throwOn = [&](int turn, int freeDice, double chance) {
    zero += chance * (1 - ScoringChance(freeDice));
    const std::vector<TDiceOutcome>& outcomes = ThrowOutcomes(freeDice);
    const std::span<const TCellStep> steps = CellSteps(freeDice);
    double* reachFrom = &reach[Cell(turn, 0, false)];
    // The outcomes come by points: first all those that stay inside the plan.
    std::size_t i = 0;
    for (; i < outcomes.size() && turn + outcomes[i].Points < plan.Cap; ++i)
      reachFrom[steps[i].Offset] += chance * steps[i].Chance;
    for (; i < outcomes.size(); ++i) {
      const TDiceOutcome& o = outcomes[i];
      const int reached = turn + o.Points;
      const double share = chance * o.Chance;
      if (reached > plan.MaxTurn)
        overshoot += share;
      else if (reached >= plan.MinTurn && (o.KeepsAny() || !FRules.NEEDDICEFORALLZARNIKS))
        recorded[reached / RaceScoreStep] += share;
      else
        zero += share;
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
          recorded[turn / RaceScoreStep] += chance;
      }
    }
  }
  for (std::size_t level = 0; level < recorded.size(); ++level) {
    if (recorded[level] > 0)
      ends.Recorded.emplace_hint(ends.Recorded.end(), static_cast<int>(level) * RaceScoreStep, recorded[level]);
  }
  ends.Zero = zero;
  ends.Overshoot = overshoot;
  return ends;
}

const TTurnEnds& TRacingPlay::TurnEnds(const TRaceState& state) const { return FTurnEnds[Slot(state)]; }

double OthersPace(const TGameOptions& rules, int others) {
  // The chance that none of them is home within k turns; beyond the horizon it is taken to
  // shrink as over the horizon's last turn.
  const std::span<const float> finished = RaceModelFor(rules)->FinishedWithin({});
  double turnsExpected = 1;  // until the first of them is home, counted as sum over k of that chance
  double racing = 1;
  double lastRacing = 1;
  for (const float f : finished) {
    lastRacing = racing;
    racing = std::pow(1.0 - f, others);
    turnsExpected += racing;
  }
  const double shrink = lastRacing > 0 ? racing / lastRacing : 0;
  if (shrink < 1) turnsExpected += racing * shrink / (1 - shrink);
  return 1 - 1 / turnsExpected;
}

std::shared_ptr<const TRaceModel> OwnRaceModelFor(const TGameOptions& rules, int others) {
  static thread_local std::array<TRulesKeyedCache<TRaceModel>, StrongMaxOthers> kept;
  others = std::clamp(others, 1, StrongMaxOthers);
  return kept[others - 1].Get(rules, [&rules, others] {
    const TRacingPlay play(rules, OthersPace(rules, others));
    return std::make_shared<const TRaceModel>(rules, [&play](const TRaceState& state) { return play.TurnEnds(state); });
  });
}
