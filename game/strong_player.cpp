#include "game/strong_player.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <span>
#include <vector>

#include "game/scoring.h"
#include "game/turn_limits.h"

namespace {

// The race model's pace: a player's total grows by about this much a turn, zero turns and
// penalties included (level 0 under classic.st: 1000 points in about 84 turns), with this
// spread from turn to turn.
constexpr double kPointsPerTurn = 12;
constexpr double kTurnSpread = 60;
// Turn scores beyond these are never planned for: no total needs them, and a turn reaching
// this far past the goal is one chance in millions.
constexpr int kTurnCap = 1500;
constexpr int kTurnMargin = 300;
constexpr int kScoreStep = 5;  // every throw scores a multiple of it

// A scoring throw of some dice: its points, the dice left free after it, its chance.
struct TOutcome {
  int Points;
  int FreeAfter;  // 0: every die scored, the row starts afresh with five
  double Chance;
};

// The odds of a throw of 1..5 dice, counted once over every face combination.
const std::vector<TOutcome>& Outcomes(int dice) {
  static const auto table = [] {
    std::array<std::vector<TOutcome>, 6> outcomes;
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
      for (const auto& [key, count] : counts)
        outcomes[n].push_back({key.first, key.second, static_cast<double>(count) / combinations});
    }
    return outcomes;
  }();
  return table[std::clamp(dice, 1, 5)];
}

int NextFree(const TOutcome& outcome) { return outcome.FreeAfter == 0 ? 5 : outcome.FreeAfter; }

// The chance that one turn from five fresh dice reaches `need` when played for nothing else.
double ReachChance(const TGameOptions& rules, int need) {
  static thread_local std::map<std::pair<bool, int>, double> known;
  const auto key = std::make_pair(static_cast<bool>(rules.NEEDDICEFORALLZARNIKS), need);
  if (const auto found = known.find(key); found != known.end()) return found->second;
  const int cap = need + kTurnCap;
  std::vector<double> memo(static_cast<std::size_t>(cap / kScoreStep + 1) * 12, -1);
  auto reach = [&](auto& self, int turn, int freeDice, bool kept) -> double {
    if (turn >= need && (kept || !rules.NEEDDICEFORALLZARNIKS)) return 1;
    if (turn >= cap) return 0;
    double& slot = memo[(static_cast<std::size_t>(turn / kScoreStep) * 6 + freeDice) * 2 + kept];
    if (slot >= 0) return slot;
    double chance = 0;
    for (const TOutcome& o : Outcomes(freeDice)) chance += o.Chance * self(self, turn + o.Points, NextFree(o), o.FreeAfter != 0);
    return slot = chance;
  };
  return known[key] = reach(reach, 0, 5, false);
}

int Goal(const TGameOptions& rules) { return rules.BARRELSTYPE == 0 && rules.ISMORE1000 ? 1005 : 1000; }

// Points still to make from a total, counting a turn the rules demand at least (entry, a
// hole, the score barrel) as the extra turns it takes on average.
double Distance(const TGameOptions& rules, int total, bool entered) {
  const auto extraTurns = [&](int need) {
    return need <= 0 ? 0 : (1 / std::max(ReachChance(rules, need), 1e-3) - 1) * kPointsPerTurn;
  };
  const double remaining = std::max(Goal(rules) - total, 0);
  double distance = remaining + extraTurns(MinTurnScoreAt(rules, total, entered));
  // Below the score barrel its jump is still ahead.
  if (rules.BARRELSTYPE == 1 && total < rules.BARRELSSCORE)
    distance += extraTurns(MinTurnScoreAt(rules, rules.BARRELSSCORE, true));
  return distance;
}

// The chance to finish before one other player who moves next, turns needed treated as
// normally distributed around distance / pace.
double BeatChance(double mine, double theirs) {
  const double spread = kTurnSpread / kPointsPerTurn * std::sqrt((mine + theirs) / kPointsPerTurn) + 0.5;
  const double lead = (theirs - mine) / kPointsPerTurn - 0.5;
  return 0.5 * std::erfc(-lead / (spread * std::sqrt(2.0)));
}

constexpr double kWon = 1;

// The plan for one turn: the value (a chance to win) of every state the turn can reach.
class TTurnPlan {
public:
  TTurnPlan(const TGameOptions& rules, const TStrongPosition& position)
      : FRules(rules), FPosition(position), FMemo(static_cast<std::size_t>(kTurnCap / kScoreStep + 1) * 12, -1) {
    for (int i = 0; i < position.OtherCount; ++i) FOthers[i] = Distance(rules, position.Others[i], position.Others[i] > 0);
    FTurnCap = std::min(kTurnCap, std::max(Goal(rules) - position.Total, position.MinTurn) + kTurnMargin);
    FZero = ZeroValue();
    FOvershoot = OvershootValue();
  }

  bool Plans(const TGameOptions& rules, const TStrongPosition& position) const {
    const auto turnless = [](TStrongPosition p) {
      p.TurnScore = 0;
      p.FreeDice = 0;
      p.AnyKept = false;
      return p;
    };
    return rules == FRules && turnless(position) == turnless(FPosition);
  }

  bool CanRecord(int turn, bool kept) const {
    return turn >= FPosition.MinTurn && (kept || !FRules.NEEDDICEFORALLZARNIKS);
  }

  double RecordValue(int turn) const {
    int total = FPosition.Total + turn;
    if (total == FRules.DUMPTRUCKSCORE) total = 0;
    if (OnScoreBarrelAt(FRules, total)) {
      if (FPosition.BarrelTries > 0) return kWon;
      total = FRules.BARRELSSCORE;
    } else if ((FRules.BARRELSTYPE == 0 && (FRules.ISMORE1000 ? total > 1000 : total >= 1000)) ||
               (FRules.BARRELSTYPE == 2 && total == 1000)) {
      return kWon;
    }
    // Players overtaken by this turn fall back.
    std::array<double, StrongMaxOthers> others = FOthers;
    for (int i = 0; i < FPosition.OtherCount; ++i) {
      const int other = FPosition.Others[i];
      if (FPosition.Total < other && other < FPosition.Total + turn && !OnScoreBarrelAt(FRules, other))
        others[i] = Distance(FRules, other - FRules.OVERTAKINGSCORE, true);
    }
    return Standing(Distance(FRules, total, true), others);
  }

  double ThrowValue(int turn, int freeDice) {
    double value = 0;
    double scoring = 0;
    for (const TOutcome& o : Outcomes(freeDice)) {
      const int reached = turn + o.Points;
      value += o.Chance * (reached > FPosition.MaxTurn ? FOvershoot : Value(reached, NextFree(o), o.FreeAfter != 0));
      scoring += o.Chance;
    }
    return value + (1 - scoring) * FZero;
  }

private:
  double Value(int turn, int freeDice, bool kept) {
    const bool canRecord = CanRecord(turn, kept);
    if (turn >= FTurnCap) return canRecord ? RecordValue(turn) : FZero;
    double& slot = FMemo[(static_cast<std::size_t>(turn / kScoreStep) * 6 + freeDice) * 2 + kept];
    if (slot >= 0) return slot;
    const double record = canRecord ? RecordValue(turn) : 0;
    if (canRecord && record >= kWon) return slot = record;
    return slot = std::max(record, ThrowValue(turn, freeDice));
  }

  double Standing(double mine, const std::array<double, StrongMaxOthers>& others) const {
    double chance = 1;
    for (int i = 0; i < FPosition.OtherCount; ++i) chance *= BeatChance(mine, others[i]);
    return chance;
  }

  // A scoreless throw: a bolt (a share of the penalty it brings nearer), a try on the barrel.
  double ZeroValue() const {
    const int total = FPosition.Total;
    const bool onBarrel = OnScoreBarrelAt(FRules, total);
    const bool boltDue = FRules.IS_BOLTS && (FPosition.Entered || FRules.ISBOLTSBEFOREENTER) &&
                         (FRules.ISBOLTSINHOLES || !InHoleAt(FRules, total)) && (!onBarrel || FRules.ISBOLTSONBARREL);
    const double boltCost = boltDue ? static_cast<double>(FRules.BOLTSDOWNSCORE) / std::max<int>(FRules.BOLTSTOGODOWN, 1) : 0;
    if (onBarrel && FPosition.BarrelTries + 1 > FRules.BARRELSATTEMPT) return Standing(Distance(FRules, Fallen(), true), FOthers);
    return Standing(Distance(FRules, total, FPosition.Entered) + boltCost, FOthers);
  }

  // Past the open barrel: a try spent, a fall when they run out.
  double OvershootValue() const {
    const bool falls = FRules.BARRELSTYPE == 2 && FRules.OPENBARRELLIMIT && FPosition.BarrelTries + 1 >= FRules.BARRELSATTEMPT;
    return Standing(Distance(FRules, falls ? Fallen() : FPosition.Total, FPosition.Entered), FOthers);
  }

  int Fallen() const {
    return FPosition.BarrelFalls + 1 >= FRules.BARRELSCOUNT ? 0 : FPosition.Total - FRules.BARRELSDOWNSCORE;
  }

  TGameOptions FRules;
  TStrongPosition FPosition;
  std::array<double, StrongMaxOthers> FOthers{};
  int FTurnCap = kTurnCap;
  double FZero = 0;
  double FOvershoot = 0;
  std::vector<double> FMemo;
};

}  // namespace

bool StrongWantsThrow(const TGameOptions& rules, const TStrongPosition& position) {
  // Every decision of a turn shares one plan: only the turn's own fields change.
  static thread_local std::optional<TTurnPlan> plan;
  if (!plan || !plan->Plans(rules, position)) plan.emplace(rules, position);
  const int turn = std::clamp(position.TurnScore, 0, kTurnCap);
  if (!plan->CanRecord(turn, position.AnyKept)) return true;
  return plan->ThrowValue(turn, position.FreeDice) > plan->RecordValue(turn);
}
