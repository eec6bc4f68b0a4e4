#include <algorithm>

#include "game/game.h"
#include "game/random.h"
#include "game/scoring.h"

namespace {

constexpr std::array<float, TGame::DiceCount> kThrowPosX{0, 6, -6, 12, -12};

// Spreads the thrown dice along X: one in the middle, an even count either side of it.
void PlaceThrowDie(TZarnik& die, int index, int count) {
  die.PosX = kThrowPosX[index] - (count % 2 == 0 ? 3.0f : 0.0f);
  die.PosZ = -3 * static_cast<float>(Rng().RandomReal());
}

}  // namespace

void TGame::ResetDice(bool randomFaces) {
  for (int i = 0; i < DiceCount; ++i) {
    if (randomFaces) FRowDice[i].SetPose(1 + Rng().Random(6));
    FRowDice[i].Shown = true;
    FRowDice[i].Kept = false;
    FRowDice[i].SetSpin(0, 0, 0);
    FThrowDice[i].Moving = false;
  }
  FThrowCount = 0;
  FThrowPending = false;
}

void TGame::StartThrow() {
  FThrowCount = 0;
  for (TZarnik& die : FRowDice) {
    die.SetSpin(0, 0, 0);
    if (!die.Kept) {
      die.Shown = false;
      ++FThrowCount;
    }
  }
  for (int i = 0; i < FThrowCount; ++i) {
    FThrowDice[i].Throw(1 + Rng().Random(6));
    PlaceThrowDie(FThrowDice[i], i, FThrowCount);
  }
  FThrowPending = true;
}

bool TGame::StartThrowWith(const std::array<int, DiceCount>& faces) {
  StartThrow();
  bool allUsable = true;
  for (int i = 0; i < FThrowCount; ++i) {
    if (!TZarnik::ValidFace(faces[i])) {
      allUsable = false;
      continue;
    }
    FThrowDice[i].Throw(faces[i]);
    PlaceThrowDie(FThrowDice[i], i, FThrowCount);
  }
  return allUsable;
}

void TGame::StepDice() { StepMovingDice(std::span<TZarnik>(FThrowDice.data(), DiceInThrow())); }

int TGame::SettleDiceAtOnce() {
  const std::span<TZarnik> dice(FThrowDice.data(), DiceInThrow());
  const int count = static_cast<int>(dice.size());
  // Dice step in turn, so their landing draws come step by step, die by die within a step.
  // Each die's place in that order is counted without branching: the steps are random, so
  // the branches of a sort would be guessed wrong often. A die that does not land comes last.
  constexpr int kNoLanding = 1 << 16;
  std::array<int, DiceCount> keys{};
  int landingCount = 0;
  int steps = 0;
  for (int i = 0; i < count; ++i) {
    const int step = dice[i].FirstLandingStep();
    keys[i] = (step > 0 ? step : kNoLanding) * DiceCount + i;
    landingCount += step > 0 ? 1 : 0;
    steps = std::max(steps, dice[i].StepsToRest());
  }
  std::array<int, DiceCount> order{};
  for (int i = 0; i < count; ++i) {
    int place = 0;
    for (int j = 0; j < count; ++j) place += keys[j] < keys[i] ? 1 : 0;
    order[place] = i;
  }
  for (int place = 0; place < landingCount; ++place) dice[order[place]].Land();
  for (TZarnik& die : dice) die.ComeToRest();
  return steps;
}

bool TGame::TakeLandingEvent() {
  bool landed = false;
  for (int i = 0; i < DiceInThrow(); ++i) {
    landed = landed || FThrowDice[i].LandingEvent;
    FThrowDice[i].LandingEvent = false;
  }
  return landed;
}

void TGame::TurnRowDice() {
  if (FUnwatched) return;
  for (TZarnik& die : FRowDice) die.Turn();
}

int TGame::FreeDiceCount() const {
  return static_cast<int>(std::count_if(FRowDice.begin(), FRowDice.end(), [](const TZarnik& die) { return !die.Kept; }));
}

bool TGame::AnyKept() const { return FreeDiceCount() < DiceCount; }

int TGame::SettleThrow() {
  if (!FThrowPending || DiceMoving()) return 0;
  FThrowPending = false;

  const int count = DiceInThrow();
  std::array<int, DiceCount> faces{};
  for (int i = 0; i < count; ++i) faces[i] = FThrowDice[i].Face;
  const TThrowScore score = ScoreFaces(std::span<const int>(faces.data(), count));

  int slot = static_cast<int>(std::find_if(FRowDice.begin(), FRowDice.end(), [](const TZarnik& die) { return !die.Kept; }) -
                              FRowDice.begin());
  // Scoring dice join the kept part of the row first, then the rest of the throw follows.
  for (const bool scoring : {true, false}) {
    for (int i = 0; i < count && slot < DiceCount; ++i) {
      if (score.Scores(i) != scoring) continue;
      TZarnik& row = FRowDice[slot++];
      row.SetPose(faces[i]);
      row.Shown = true;
      row.Kept = scoring;
      if (scoring) row.SetVerticalSpin(4);
    }
  }
  if (FreeDiceCount() == 0) {
    for (TZarnik& die : FRowDice) die.Kept = false;
  }
  return score.Points;
}
