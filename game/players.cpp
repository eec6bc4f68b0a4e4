#include "game/players.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <utility>

#include "base/byte_codec.h"

namespace {

constexpr std::size_t kPackedPadding = 50;

// The animation moves 20 points a tick while more than 500 are left to show, then 10 while
// more than 200 are, then 5. Counted by these stretches, so that a run of ticks at once (the
// rules lab's idle ones) costs no more than one.
template <std::int64_t Above, std::int64_t Step>
void ShowStretch(std::int64_t size, std::int64_t& shown, std::int64_t& ticks) {
  const std::int64_t left = size - shown - Above;
  if (left <= 0) return;
  const std::int64_t stretch = std::min(ticks, (left + Step - 1) / Step);
  shown += stretch * Step;
  ticks -= stretch;
}

// How much of a delta of this size `ticks` ticks of the animation show.
std::int64_t PointsShownIn(std::int64_t size, std::int64_t ticks) {
  std::int64_t shown = 0;
  ShowStretch<500, 20>(size, shown, ticks);
  ShowStretch<200, 10>(size, shown, ticks);
  ShowStretch<0, 5>(size, shown, ticks);
  return std::min(shown, size);
}

}  // namespace

std::int32_t TPlayer::Total() const { return FScore + FScoreDelta; }

void TPlayer::ResetScore() {
  FScore = 0;
  FScoreDelta = 0;
  FEntered = false;
  FBarrelTries = 0;
  FBarrelFalls = 0;
  FBolts = 0;
}

std::string TPlayer::SaveToString() const {
  std::string packed = IntToBin4(static_cast<std::int32_t>(FName.size()));
  packed += FName;
  packed += static_cast<char>(FKind);
  packed += static_cast<char>(FLevel);
  packed += IntToBin4(Total());
  packed += static_cast<char>(FBolts);
  packed += static_cast<char>(FBarrelTries);
  packed += static_cast<char>(FBarrelFalls);
  packed += FEntered ? '1' : '0';
  packed.append(kPackedPadding, '\0');
  return packed;
}

bool TPlayer::LoadFromString(std::string_view packed) {
  FName.clear();
  FKind = PlayerKindHuman;
  FLevel = 0;
  ResetScore();
  if (packed.size() < 4) return false;
  const std::int32_t nameLength = Bin4ToInt(packed.substr(0, 4));
  if (nameLength < 0) return false;
  packed.remove_prefix(4);
  const bool whole = packed.size() >= static_cast<std::size_t>(nameLength) + 10;
  FName = packed.substr(0, static_cast<std::size_t>(nameLength));
  if (!whole) return false;
  packed.remove_prefix(static_cast<std::size_t>(nameLength));
  FKind = static_cast<std::uint8_t>(packed[0]);
  FLevel = static_cast<std::uint8_t>(packed[1]);
  FScore = std::clamp(Bin4ToInt(packed.substr(2, 4)), -PlayerScoreLimit, PlayerScoreLimit);
  FBolts = static_cast<std::uint8_t>(packed[6]);
  FBarrelTries = static_cast<std::uint8_t>(packed[7]);
  FBarrelFalls = static_cast<std::uint8_t>(packed[8]);
  FEntered = packed[9] == '1';
  return true;
}

int TPlayers::Add(TPlayer player) {
  if (Full()) return -1;
  std::string key = player.FName;
  FEntries.push_back({std::move(key), std::make_unique<TPlayer>(std::move(player))});
  FEntries.back().Player->ResetScore();
  return Count() - 1;
}

int TPlayers::AddLoaded(const TPlayer& player) {
  const int index = Add(player);
  if (index >= 0) Player(index) = player;
  return index;
}

void TPlayers::Delete(int index) {
  if (index >= 0 && index < Count()) FEntries.erase(FEntries.begin() + index);
}

void TPlayers::Clear() { FEntries.clear(); }

const std::string& TPlayers::Key(int index) const {
  if (index < 0 || index >= Count()) throw std::out_of_range("player index");
  return FEntries[static_cast<std::size_t>(index)].Key;
}

void TPlayers::ResetScore(int index) {
  if (index >= 0 && index < Count()) Player(index).ResetScore();
}

void TPlayers::AnimateScores() { AnimateScores(1); }

void TPlayers::AnimateScores(int ticks) {
  if (ticks <= 0) return;
  for (const TEntry& entry : FEntries) {
    TPlayer& player = *entry.Player;
    if (player.FScoreDelta == 0) continue;
    const std::int64_t delta = player.FScoreDelta;
    const std::int64_t shown = PointsShownIn(std::abs(delta), ticks);
    const auto step = static_cast<std::int32_t>(delta < 0 ? -shown : shown);
    player.FScore += step;
    player.FScoreDelta -= step;
  }
}
