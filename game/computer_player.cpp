#include "game/computer_player.h"

#include "game/game.h"
#include "game/random.h"
#include "game/strong_player.h"

bool TGame::ComputerWantsThrow() const {
  const TPlayer* player = CurrentPlayer();
  if (player == nullptr) return false;
  const int turn = FTurnScore;
  const int reached = player->Total() + turn;

  // The turn cannot be recorded yet.
  if (turn < MinTurnScore()) return true;
  if (FOptions.NEEDDICEFORALLZARNIKS && !AnyKept()) return true;
  // The open barrel reached exactly.
  if (turn == MaxTurnScore()) return false;
  // Recording would land on the dump truck.
  if (reached == FOptions.DUMPTRUCKSCORE) return true;
  if (player->PlayingLevel() == ComputerLevelStrong) return StrongWantsThrow(FOptions, StrongPosition());
  if (player->PlayingLevel() != 0) return true;
  if (turn > ComputerAlwaysRecordAbove) return false;
  // Recording would land in the lowest points of a hole.
  if (FOptions.ISHOLE1 && FOptions.HOLE1SCORE1 <= reached && reached <= FOptions.HOLE1SCORE1 + ComputerHoleMargin)
    return true;
  if (FOptions.ISHOLE2 && FOptions.HOLE2SCORE1 <= reached && reached <= FOptions.HOLE2SCORE1 + ComputerHoleMargin)
    return true;

  const int freeDice = FreeDiceCount();
  if (freeDice == 4) return turn <= ComputerMaxTurnWithFourDice;
  for (const TComputerOdds& odds : ComputerOdds) {
    if (odds.FreeDice == freeDice) return Rng().RandomReal() < odds.Chance && turn <= odds.MaxTurn;
  }
  return true;  // five free dice (or none)
}

TStrongPosition TGame::StrongPosition() const {
  const TPlayer& player = *CurrentPlayer();
  TStrongPosition position{.Total = player.Total(),
                           .Entered = player.FEntered,
                           .Bolts = player.FBolts,
                           .BarrelTries = player.FBarrelTries,
                           .BarrelFalls = player.FBarrelFalls,
                           .TurnScore = FTurnScore,
                           .FreeDice = FreeDiceCount(),
                           .AnyKept = AnyKept(),
                           .MinTurn = MinTurnScore(),
                           .MaxTurn = MaxTurnScore()};
  for (int i = 0; i < FPlayers.Count() && position.OtherCount < StrongMaxOthers; ++i) {
    if (i != FCurrentPlayer) position.Others[position.OtherCount++] = FPlayers.Player(i).Total();
  }
  return position;
}
