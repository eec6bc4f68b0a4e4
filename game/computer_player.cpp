#include "game/computer_player.h"

#include "game/game.h"
#include "game/random.h"
#include "game/strong_player.h"

std::optional<bool> ForcedChoice(const TGameOptions& rules, const TTurnSituation& situation) {
  // The turn cannot be recorded yet.
  if (situation.Turn < situation.MinTurn) return true;
  if (rules.NEEDDICEFORALLZARNIKS && !situation.AnyKept) return true;
  // The open barrel reached exactly.
  if (situation.Turn == situation.MaxTurn) return false;
  // Recording would land on the dump truck.
  if (situation.Total + situation.Turn == rules.DUMPTRUCKSCORE) return true;
  return std::nullopt;
}

TLadderChoice LadderChoice(const TGameOptions& rules, const TTurnSituation& situation) {
  const int turn = situation.Turn;
  const int reached = situation.Total + turn;
  if (turn > ComputerAlwaysRecordAbove) return {0, false};
  // Recording would land in the lowest points of a hole.
  if (rules.ISHOLE1 && rules.HOLE1SCORE1 <= reached && reached <= rules.HOLE1SCORE1 + ComputerHoleMargin)
    return {1, false};
  if (rules.ISHOLE2 && rules.HOLE2SCORE1 <= reached && reached <= rules.HOLE2SCORE1 + ComputerHoleMargin)
    return {1, false};

  if (situation.FreeDice == 4) return {turn <= ComputerMaxTurnWithFourDice ? 1.0 : 0.0, false};
  for (const TComputerOdds& odds : ComputerOdds) {
    if (odds.FreeDice == situation.FreeDice) return {turn <= odds.MaxTurn ? odds.Chance : 0.0, true};
  }
  return {1, false};  // five free dice (or none)
}

bool TGame::ComputerWantsThrow() const {
  const TPlayer* player = CurrentPlayer();
  if (player == nullptr) return false;
  const TTurnSituation situation{.Total = player->Total(),
                                 .Turn = FTurnScore,
                                 .FreeDice = FreeDiceCount(),
                                 .AnyKept = AnyKept(),
                                 .MinTurn = MinTurnScore(),
                                 .MaxTurn = MaxTurnScore()};
  if (const std::optional<bool> forced = ForcedChoice(FOptions, situation)) return *forced;
  if (player->PlayingLevel() == ComputerLevelStrong) return StrongWantsThrow(FOptions, StrongPosition());
  if (player->PlayingLevel() != 0) return true;
  const TLadderChoice ladder = LadderChoice(FOptions, situation);
  // A draw in [0, 1) never falls below a chance of 0: the ladder's "and the turn is small enough".
  return ladder.Draws ? Rng().RandomReal() < ladder.ThrowChance : ladder.ThrowChance > 0;
}

TStrongPosition TGame::StrongPosition() const {
  const auto raceState = [](const TPlayer& player) {
    return TRaceState{.Total = player.Total(),
                      .Entered = player.FEntered,
                      .Bolts = player.FBolts,
                      .BarrelTries = player.FBarrelTries,
                      .BarrelFalls = player.FBarrelFalls};
  };
  TStrongPosition position{.Self = raceState(*CurrentPlayer()),
                           .TurnScore = FTurnScore,
                           .FreeDice = FreeDiceCount(),
                           .AnyKept = AnyKept(),
                           .MinTurn = MinTurnScore(),
                           .MaxTurn = MaxTurnScore()};
  for (int i = 0; i < FPlayers.Count() && position.OtherCount < StrongMaxOthers; ++i) {
    if (i != FCurrentPlayer) position.Others[position.OtherCount++] = raceState(FPlayers.Player(i));
  }
  return position;
}

void TGame::PrepareComputerPlayers() const {
  for (int i = 0; i < FPlayers.Count(); ++i) {
    const TPlayer& player = FPlayers.Player(i);
    // A computer of another machine decides there.
    if (player.FLocal && player.PlaysAsComputer() && player.PlayingLevel() == ComputerLevelStrong) {
      PrepareStrongPlayer(FOptions, FPlayers.Count() - 1);
      return;
    }
  }
}
