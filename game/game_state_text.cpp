#include <algorithm>

#include "base/byte_codec.h"
#include "dice/zarnik.h"
#include "game/game.h"

namespace {

constexpr std::size_t kThrowDiceAt = 7;
constexpr std::size_t kRowDiceAt = 22;
constexpr std::size_t kGameOverAt = 37;

char Flag(bool value) { return value ? '1' : '0'; }

void PutDie(std::string& text, const TZarnik& die) {
  text += static_cast<char>(die.Face);
  text += Flag(die.Kept);
  text += Flag(die.Shown);
}

void TakeDie(std::string_view at, TZarnik& die) {
  die.SetPose(static_cast<std::uint8_t>(at[0]));
  die.Kept = at[1] == '1';
  die.Shown = at[2] == '1';
  die.Moving = false;
}

bool FacesValid(std::string_view text, std::size_t at) {
  for (int i = 0; i < TGame::DiceCount; ++i) {
    if (!TZarnik::ValidFace(static_cast<std::uint8_t>(text[at + 3 * i]))) return false;
  }
  return true;
}

}  // namespace

std::string TGame::StateToString() const {
  std::string text;
  text.reserve(StateTextSize);
  text += static_cast<char>(FCurrentPlayer);  // -1 travels as 255
  text += IntToBin4(FTurnScore);
  text += static_cast<char>(FPassDelay);
  text += Flag(FThrowPending);
  for (const TZarnik& die : FThrowDice) PutDie(text, die);
  for (const TZarnik& die : FRowDice) PutDie(text, die);
  text += Flag(FGameOver);
  return text;
}

bool TGame::StateFromString(std::string_view text) {
  if (text.size() < StateTextSize || !FacesValid(text, kThrowDiceAt) || !FacesValid(text, kRowDiceAt)) return false;
  const int current = static_cast<std::uint8_t>(text[0]);
  FCurrentPlayer = FPlayers.Count() == 0 ? -1 : (current < FPlayers.Count() ? current : 0);
  // No turn holds more than the limit without being lost, nor less than nothing.
  FTurnScore = std::clamp(Bin4ToInt(text.substr(1, 4)), 0, NoTurnLimit);
  FPassDelay = static_cast<std::uint8_t>(text[5]);
  FThrowPending = text[6] == '1';
  for (int i = 0; i < DiceCount; ++i) {
    TakeDie(text.substr(kThrowDiceAt + 3 * i), FThrowDice[i]);
    TakeDie(text.substr(kRowDiceAt + 3 * i), FRowDice[i]);
  }
  // The dice of a pending throw are the row's free dice, as StartThrow counted them; without
  // the count the joiner would score that throw as nothing.
  FThrowCount = FThrowPending ? FreeDiceCount() : 0;
  FGameOver = text[kGameOverAt] == '1';
  return true;
}
