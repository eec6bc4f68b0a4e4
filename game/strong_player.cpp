#include "game/strong_player.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "game/strong_player_odds.h"
#include "game/strong_player_own.h"
#include "game/turn_limits.h"

namespace {

// Turn scores beyond these are never planned for: no total needs them, and a turn reaching
// this far past the goal is one chance in millions.
constexpr int kTurnCap = 1500;
constexpr int kTurnMargin = 300;
constexpr int kScoreStep = 5;  // every throw scores a multiple of it

// The plan for one turn: the value (a chance to win) of every state the turn can reach.
class TTurnPlan {
public:
  TTurnPlan(const TGameOptions& rules, const TStrongPosition& position)
      : FRules(rules),
        FPosition(position),
        FRace(RaceModelFor(rules)),
        FOwnRace(OwnRaceModelFor(rules, position.OtherCount)),
        FMemo(static_cast<std::size_t>(kTurnCap / kScoreStep + 1) * 12, -1) {
    FOthersRacing = StillRacing(position.Others);
    FTurnCap = std::min(kTurnCap, std::max(Goal(rules) - position.Self.Total, position.MinTurn) + kTurnMargin);
    FZero = WinChance(AfterZero(rules, position.Self), position.Others, FOthersRacing);
    FOvershoot = WinChance(AfterOvershoot(rules, position.Self), position.Others, FOthersRacing);
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
    const TRaceState& self = FPosition.Self;
    const TRaceState after = AfterRecord(FRules, self, turn);
    if (after.Won) return 1;
    std::array<TRaceState, StrongMaxOthers> others = FPosition.Others;
    bool othersChanged = false;
    const bool climbsOnBarrel = after.BarrelTries > 0 && self.BarrelTries == 0 && FRules.BARRELSTYPE == 1;
    for (int i = 0; i < FPosition.OtherCount; ++i) {
      TRaceState& other = others[i];
      if (self.Total < other.Total && other.Total < self.Total + turn && !OnScoreBarrelAt(FRules, other.Total)) {
        other.Total -= FRules.OVERTAKINGSCORE;
        if (other.Total == FRules.DUMPTRUCKSCORE) other.Total = 0;
        othersChanged = true;
      } else if (climbsOnBarrel && FRules.ISONLYONEONBARREL && OnScoreBarrelAt(FRules, other.Total)) {
        other = AfterFall(FRules, other, other.Total);
        othersChanged = true;
      }
    }
    return WinChance(after, others, othersChanged ? StillRacing(others) : FOthersRacing);
  }

  double ThrowValue(int turn, int freeDice) {
    double value = (1 - ScoringChance(freeDice)) * FZero;
    for (const TDiceOutcome& o : ThrowOutcomes(freeDice)) {
      const int reached = turn + o.Points;
      value += o.Chance * (reached > FPosition.MaxTurn ? FOvershoot : Value(reached, o.NextFree(), o.KeepsAny()));
    }
    return value;
  }

private:
  double Value(int turn, int freeDice, bool kept) {
    const bool canRecord = CanRecord(turn, kept);
    if (turn >= FTurnCap) return canRecord ? RecordValue(turn) : FZero;
    double& slot = FMemo[(static_cast<std::size_t>(turn / kScoreStep) * 6 + freeDice) * 2 + kept];
    if (slot >= 0) return slot;
    const double record = canRecord ? RecordValue(turn) : 0;
    if (canRecord && record >= 1) return slot = record;
    return slot = std::max(record, ThrowValue(turn, freeDice));
  }

  // For each of my coming turns k, the chance that none of the others has won within k of
  // theirs: they all move before my next turn.
  std::vector<double> StillRacing(const std::array<TRaceState, StrongMaxOthers>& others) const {
    std::vector<double> racing(FRace->Horizon(), 1);
    for (int i = 0; i < FPosition.OtherCount; ++i) {
      const std::span<const float> finished = FRace->FinishedWithin(others[i]);
      for (std::size_t k = 0; k < racing.size(); ++k) racing[k] *= 1 - finished[k];
    }
    return racing;
  }

  // The chance that I win first from `mine` after this turn, the others passing me on their
  // next turns taken into account (each one that does takes its penalty off my total).
  double WinChance(const TRaceState& mine, const std::array<TRaceState, StrongMaxOthers>& others,
                   const std::vector<double>& othersRacing) const {
    if (mine.Won) return 1;
    std::array<double, StrongMaxOthers + 1> passedBy{1};  // by how many pass me
    int behind = 0;
    if (FRules.OVERTAKINGSCORE > 0 && !OnScoreBarrelAt(FRules, mine.Total)) {
      for (int i = 0; i < FPosition.OtherCount; ++i) {
        if (others[i].Total >= mine.Total) continue;
        const double passes = FRace->RecordsMoreThan(others[i], mine.Total - others[i].Total);
        ++behind;
        for (int m = behind; m > 0; --m) passedBy[m] = passedBy[m] * (1 - passes) + passedBy[m - 1] * passes;
        passedBy[0] *= 1 - passes;
      }
    }
    double chance = 0;
    TRaceState overtaken = mine;
    for (int m = 0; m <= behind; ++m) {
      if (m > 0) {
        overtaken.Total -= FRules.OVERTAKINGSCORE;
        if (overtaken.Total == FRules.DUMPTRUCKSCORE) overtaken.Total = 0;
      }
      chance += passedBy[m] * RaceChance(overtaken, othersRacing);
    }
    return chance;
  }

  // The chance that I win first from `mine` at my next turn: over my coming turns, that I win
  // on one while every other is still racing.
  double RaceChance(const TRaceState& mine, const std::vector<double>& othersRacing) const {
    const std::span<const float> finished = FOwnRace->FinishedWithin(mine);
    double chance = 0;
    double before = 0;
    for (std::size_t k = 0; k < othersRacing.size(); ++k) {
      chance += (finished[k] - before) * othersRacing[k];
      before = finished[k];
    }
    // Beyond the horizon, with nobody home yet, the race is taken as even.
    return chance + (1 - before) * othersRacing.back() / (FPosition.OtherCount + 1);
  }

  TGameOptions FRules;
  TStrongPosition FPosition;
  std::shared_ptr<const TRaceModel> FRace;     // the others' race
  std::shared_ptr<const TRaceModel> FOwnRace;  // mine
  std::vector<double> FOthersRacing;
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

void PrepareStrongPlayer(const TGameOptions& rules, int others) {
  RaceModelFor(rules);
  OwnRaceModelFor(rules, others);
}
