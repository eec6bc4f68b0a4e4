#include "game/strong_player_race.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <map>
#include <optional>
#include <tuple>

#include "game/computer_player.h"
#include "game/rules_keyed_cache.h"
#include "game/strong_player_odds.h"
#include "game/turn_limits.h"

namespace {

constexpr int kLowestTotal = RaceLowestTotal;
constexpr int kHighestTotal = RaceHighestTotal;
constexpr int kScoreStep = RaceScoreStep;
constexpr int kTotals = RaceTotals;
// Own turns looked ahead: a lone ladder player has won within them nine games in ten.
constexpr int kHorizon = 300;
// Chances kept, at most: rules that tell many bolts, tries and falls apart look fewer turns ahead.
constexpr std::size_t kCellBudget = std::size_t{1} << 22;
// A move of the chain rarer than this is left out: the turns it stands for hardly ever happen.
constexpr double kNegligible = 1e-9;
// A turn still thrown on this far past what the ladder records anyway is taken as recorded.
constexpr int kTurnMargin = 500;

int TotalSlot(int total) { return (std::clamp(total, kLowestTotal, kHighestTotal) - kLowestTotal) / kScoreStep; }

// Counters are summed four to a register and twelve at once: one chain of additions per
// register, none through memory, so the many moves of a position run at the adder's pace.
using TFourCounters = float __attribute__((vector_size(16)));
constexpr int kRegisters = 3;
constexpr int kLanes = 4 * kRegisters;

struct TMove {
  int Position;
  float Chance;
};

// to[i] += the chance of each move times its counter i, the moves in turn (the same sums, in
// the same order, as one at a time). `from` holds kLanes floats past its last position.
void AddMoves(float* to, const float* from, std::span<const TMove> moves, int counters) {
  for (int first = 0; first < counters; first += kLanes) {
    const int lanes = std::min(kLanes, counters - first);
    float lane[kLanes] = {};
    std::copy_n(to + first, lanes, lane);
    TFourCounters sum[kRegisters];
    std::memcpy(sum, lane, sizeof sum);
    for (const TMove& move : moves) {
      const float* counter = from + static_cast<std::size_t>(move.Position) * counters + first;
#pragma GCC unroll 3
      for (int r = 0; r < kRegisters; ++r) {
        TFourCounters four;
        std::memcpy(&four, counter + 4 * r, sizeof four);
        sum[r] += move.Chance * four;
      }
    }
    std::memcpy(lane, sum, sizeof sum);
    std::copy_n(lane, lanes, to + first);
  }
}

}  // namespace

TTurnEnds LadderTurnEnds(const TGameOptions& rules, const TRaceState& state) {
  const int total = state.Total;
  const bool entered = state.Entered;
  const int minTurn = MinTurnScoreAt(rules, total, entered);
  const int maxTurn = TurnLimitAt(rules, total).value_or(std::numeric_limits<int>::max());
  const int cap = std::max(minTurn, ComputerAlwaysRecordAbove) + kTurnMargin;
  const auto slot = [](int turn, int freeDice, bool kept) {
    return (static_cast<std::size_t>(turn / kScoreStep) * 6 + freeDice) * 2 + kept;
  };
  std::vector<double> reach(slot(cap, 0, false), 0);
  TTurnEnds ends;
  const auto throwOn = [&](int turn, int freeDice, double chance) {
    ends.Zero += chance * (1 - ScoringChance(freeDice));
    for (const TDiceOutcome& o : ThrowOutcomes(freeDice)) {
      const int reached = turn + o.Points;
      const double share = chance * o.Chance;
      if (reached > maxTurn)
        ends.Overshoot += share;
      else if (reached >= cap)
        ends.Recorded[reached] += share;
      else
        reach[slot(reached, o.NextFree(), o.KeepsAny())] += share;
    }
  };
  throwOn(0, 5, 1);
  for (int turn = kScoreStep; turn < cap; turn += kScoreStep) {
    for (int freeDice = 1; freeDice <= 5; ++freeDice) {
      for (const bool kept : {false, true}) {
        const double chance = reach[slot(turn, freeDice, kept)];
        if (chance == 0) continue;
        const TTurnSituation situation{total, turn, freeDice, kept, minTurn, maxTurn};
        const std::optional<bool> forced = ForcedChoice(rules, situation);
        const double throws = forced ? (*forced ? 1.0 : 0.0) : LadderChoice(rules, situation).ThrowChance;
        if (throws < 1) ends.Recorded[turn] += chance * (1 - throws);
        if (throws > 0) throwOn(turn, freeDice, chance * throws);
      }
    }
  }
  return ends;
}

TRaceState AfterRecord(const TGameOptions& rules, TRaceState state, int turn) {
  state.Total += turn;
  state.Entered = true;
  if (state.Total == rules.DUMPTRUCKSCORE) state.Total = 0;
  if (OnScoreBarrelAt(rules, state.Total)) {
    if (state.BarrelTries > 0) {
      state.Won = true;
    } else {
      state.Total = rules.BARRELSSCORE;
      state.BarrelTries = 1;
    }
    return state;
  }
  state.Won = (rules.BARRELSTYPE == 0 && (rules.ISMORE1000 ? state.Total > 1000 : state.Total >= 1000)) ||
              (rules.BARRELSTYPE == 2 && state.Total == 1000);
  return state;
}

TRaceState AfterFall(const TGameOptions& rules, TRaceState state, int from) {
  state.BarrelTries = 0;
  if (++state.BarrelFalls >= rules.BARRELSCOUNT) {
    state.BarrelFalls = 0;
    state.Total = 0;
  } else {
    state.Total = from - rules.BARRELSDOWNSCORE;
  }
  return state;
}

TRaceState AfterZero(const TGameOptions& rules, TRaceState state) {
  const int before = state.Total;
  if (rules.IS_BOLTS) {
    const bool due = (state.Entered || rules.ISBOLTSBEFOREENTER) && (rules.ISBOLTSINHOLES || !InHoleAt(rules, before)) &&
                     (!OnScoreBarrelAt(rules, before) || rules.ISBOLTSONBARREL);
    if (due) ++state.Bolts;
    if (state.Bolts >= rules.BOLTSTOGODOWN) {
      state.Bolts -= rules.BOLTSTOGODOWN;
      state.Total -= rules.BOLTSDOWNSCORE;
      if (state.Total == rules.DUMPTRUCKSCORE) state.Total = 0;
      if (state.BarrelTries > 0 && rules.BARRELSTYPE == 1) state = AfterFall(rules, state, before);
    }
  }
  if (OnScoreBarrelAt(rules, state.Total) && ++state.BarrelTries > rules.BARRELSATTEMPT)
    state = AfterFall(rules, state, before);
  return state;
}

TRaceState AfterOvershoot(const TGameOptions& rules, TRaceState state) {
  if (rules.BARRELSTYPE != 2 || !rules.OPENBARRELLIMIT) return state;
  if (++state.BarrelTries >= rules.BARRELSATTEMPT) state = AfterFall(rules, state, state.Total);
  return state;
}

TRaceModel::TRaceModel(const TGameOptions& rules)
    : TRaceModel(rules, [&rules](const TRaceState& state) { return LadderTurnEnds(rules, state); }) {}

TRaceModel::TRaceModel(const TGameOptions& rules, const TTurnEndsOf& turnEnds) : FRules(rules) {
  const bool openBarrelTries = rules.BARRELSTYPE == 2 && rules.OPENBARRELLIMIT;
  // The score barrel's tries belong to one total; the open barrel's ride along with every record.
  FTries = rules.BARRELSTYPE == 1 ? rules.BARRELSATTEMPT + 1 : 1;
  FOpenTries = openBarrelTries ? rules.BARRELSATTEMPT : 1;
  FBolts = rules.IS_BOLTS ? rules.BOLTSTOGODOWN : 1;
  FFalls = rules.BARRELSTYPE == 1 || openBarrelTries ? rules.BARRELSCOUNT : 1;
  // Only standings the rules can reach: no total above zero before entering, the score
  // barrel's tries only on it.
  FPositionIndex.assign(static_cast<std::size_t>(2 * FTries * kTotals), -1);
  for (const bool entered : {true, false}) {
    for (int tries = 0; tries < FTries; ++tries) {
      for (int slot = 0; slot < kTotals; ++slot) {
        const int total = kLowestTotal + slot * kScoreStep;
        if (!entered && total > 0) continue;
        if (rules.BARRELSTYPE == 1 && tries > 0 && total != rules.BARRELSSCORE) continue;
        FPositionIndex[(entered * FTries + tries) * kTotals + slot] = static_cast<int>(FPositions.size());
        FPositions.push_back({.Total = total, .Entered = entered, .BarrelTries = tries});
      }
    }
  }
  const std::size_t states = FPositions.size() * Counters();
  FHorizon = static_cast<int>(std::clamp<std::size_t>(kCellBudget / states, 1, kHorizon));
  FAlreadyWon.assign(FHorizon, 1);
  Solve(turnEnds);
}

int TRaceModel::StateIndex(const TRaceState& state) const {
  const int total = std::clamp(state.Total, kLowestTotal, kHighestTotal);
  const bool entered = state.Entered || total > 0;
  const int tries = FRules.BARRELSTYPE == 1 && total == FRules.BARRELSSCORE ? std::clamp(state.BarrelTries, 0, FTries - 1) : 0;
  const int position = FPositionIndex[(entered * FTries + tries) * kTotals + TotalSlot(total)];
  const int openTries = std::clamp(state.BarrelTries, 0, FOpenTries - 1);
  const int counter = (openTries * FBolts + std::clamp(state.Bolts, 0, FBolts - 1)) * FFalls +
                      std::clamp(state.BarrelFalls, 0, FFalls - 1);
  return position * Counters() + counter;
}

TRaceState TRaceModel::StateAt(int index) const {
  TRaceState state = FPositions[index / Counters()];
  const int counter = index % Counters();
  if (FOpenTries > 1) state.BarrelTries = counter / (FBolts * FFalls);
  state.Bolts = counter / FFalls % FBolts;
  state.BarrelFalls = counter % FFalls;
  return state;
}

void TRaceModel::Solve(const TTurnEndsOf& turnEndsOf) {
  const int counters = Counters();
  const int states = static_cast<int>(FPositions.size()) * counters;
  // A recorded turn changes neither bolts nor falls: its moves are kept by position.
  std::vector<std::vector<TMove>> recordMoves(FPositions.size());
  std::vector<float> recordWins(FPositions.size(), 0), zeroChance(FPositions.size()), overshootChance(FPositions.size());
  std::map<std::tuple<int, bool, int>, TTurnEnds> turnEnds;
  FRecordsMore.assign(FPositions.size() * kTotals, 0);
  for (std::size_t p = 0; p < FPositions.size(); ++p) {
    const TRaceState& from = FPositions[p];
    auto [found, fresh] = turnEnds.try_emplace({from.Total, from.Entered, from.BarrelTries});
    if (fresh) found->second = turnEndsOf(from);
    const TTurnEnds& ends = found->second;
    std::map<int, double> moves;
    for (const auto& [turn, chance] : ends.Recorded) {
      const TRaceState after = AfterRecord(FRules, from, turn);
      if (after.Won)
        recordWins[p] += static_cast<float>(chance);
      else
        moves[StateIndex(after) / counters] += chance;
    }
    for (const auto& [position, chance] : moves) {
      if (chance >= kNegligible) recordMoves[p].push_back({position, static_cast<float>(chance)});
    }
    double more = 0;
    for (auto turn = ends.Recorded.rbegin(); turn != ends.Recorded.rend(); ++turn) {
      more += turn->second;
      const int below = std::clamp((turn->first - 1) / kScoreStep, 0, kTotals - 1);
      FRecordsMore[p * kTotals + below] = static_cast<float>(more);
    }
    // Filled from the top down: a gap takes the chance of the next turn above it.
    for (int points = kTotals - 2; points >= 0; --points)
      FRecordsMore[p * kTotals + points] = std::max(FRecordsMore[p * kTotals + points], FRecordsMore[p * kTotals + points + 1]);
    zeroChance[p] = static_cast<float>(ends.Zero);
    overshootChance[p] = static_cast<float>(ends.Overshoot);
  }
  std::vector<int> afterZero(states), afterOvershoot(states);
  for (int s = 0; s < states; ++s) {
    afterZero[s] = StateIndex(AfterZero(FRules, StateAt(s)));
    afterOvershoot[s] = StateIndex(AfterOvershoot(FRules, StateAt(s)));
  }

  FFinished.assign(static_cast<std::size_t>(states) * FHorizon, 0);
  std::vector<float> previous(states + kLanes, 0), current(states + kLanes, 0);
  for (int k = 0; k < FHorizon; ++k) {
    for (std::size_t position = 0; position < FPositions.size(); ++position) {
      float* finished = &current[position * counters];
      for (int counter = 0; counter < counters; ++counter) {
        const std::size_t s = position * counters + counter;
        finished[counter] = recordWins[position] + zeroChance[position] * previous[afterZero[s]] +
                            overshootChance[position] * previous[afterOvershoot[s]];
      }
      // Bolts and falls ride along unchanged: one move serves every counter.
      AddMoves(finished, previous.data(), recordMoves[position], counters);
    }
    for (int s = 0; s < states; ++s) FFinished[static_cast<std::size_t>(s) * FHorizon + k] = current[s];
    std::swap(previous, current);
  }
}

std::span<const float> TRaceModel::FinishedWithin(const TRaceState& state) const {
  if (state.Won) return FAlreadyWon;
  return std::span<const float>(FFinished).subspan(static_cast<std::size_t>(StateIndex(state)) * FHorizon, FHorizon);
}

double TRaceModel::RecordsMoreThan(const TRaceState& state, int points) const {
  if (state.Won || points >= kTotals * kScoreStep) return 0;
  return FRecordsMore[StateIndex(state) / Counters() * kTotals + std::max(points, 0) / kScoreStep];
}

std::shared_ptr<const TRaceModel> RaceModelFor(const TGameOptions& rules) {
  static thread_local TRulesKeyedCache<TRaceModel> kept;
  return kept.Get(rules, [&rules] { return std::make_shared<const TRaceModel>(rules); });
}
