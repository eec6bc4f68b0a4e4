#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

inline constexpr std::uint8_t PlayerKindHuman = 0;
inline constexpr std::uint8_t PlayerKindComputer = 1;
// A loaded score lies within plus or minus this: no game comes near it, and the score
// rules' sums of scores cannot overflow.
inline constexpr std::int32_t PlayerScoreLimit = 1000000;

// One player. The table shows FScore; FScoreDelta is the part of the latest changes not yet
// shown, and every rule reads Total.
class TPlayer {
public:
  bool FEntered = false;
  std::uint8_t FBarrelTries = 0;
  std::uint8_t FBarrelFalls = 0;
  std::uint8_t FBolts = 0;
  std::int32_t FScore = 0;
  std::string FName;  // Windows-1251 bytes
  std::uint8_t FKind = PlayerKindHuman;
  std::int32_t FScoreDelta = 0;
  std::uint8_t FLevel = 0;
  bool FLocal = true;
  // In a network game: its machine left, so the host's computer plays it at the first level
  // until the machine comes back. Every machine marks it; it is not in the packed form.
  bool FStandIn = false;
  // On the host of a network game: the session member of the machine it plays at (0 for the
  // host's own). Not in the packed form.
  std::uint32_t FMachine = 0;

  std::int32_t Total() const;
  // What the turn rules and the computer go by: a stand-in plays as a computer at level 0.
  bool PlaysAsComputer() const { return FStandIn || FKind == PlayerKindComputer; }
  std::uint8_t PlayingLevel() const { return FStandIn ? 0 : FLevel; }

  // Score, delta, entered flag and the counters back to zero; name, kind, level and the seat
  // (FLocal, FStandIn, FMachine) stay.
  void ResetScore();

  // The packed form: 64 + name length bytes, the score saved as Total. FLocal is not in it.
  std::string SaveToString() const;

  // Reads the packed form: the loaded score shows at once (FScoreDelta 0), brought within
  // PlayerScoreLimit; FLocal stays.
  // Never reads past `packed`: fields the text does not reach get the values of a new player
  // (empty name, kind and level 0, a reset score). Returns whether the record was whole, that
  // is whether the text reached the entered flag; callers refuse a record that was not.
  bool LoadFromString(std::string_view packed);
};

// The players in turn order; the list owns them. The table has six rows, and every way in
// (the players screen, a saved game, a network message) meets the same cap.
class TPlayers {
public:
  static constexpr int MaxPlayers = 6;

  // Appends the player, keyed by its current name, resets its score and returns its index;
  // a full list takes nothing and answers -1.
  int Add(TPlayer player);
  // Add that keeps the player's score and counters, for a player read from its packed form.
  int AddLoaded(const TPlayer& player);
  // Indexes outside the list are ignored by Delete and ResetScore.
  void Delete(int index);
  void Clear();

  int Count() const { return static_cast<int>(FEntries.size()); }
  bool Full() const { return Count() >= MaxPlayers; }
  // The player at an index; an index outside the list throws std::out_of_range.
  TPlayer& Player(int index) { return const_cast<TPlayer&>(std::as_const(*this).Player(index)); }
  const TPlayer& Player(int index) const {
    if (index < 0 || index >= Count()) throw std::out_of_range("player index");
    return *FEntries[static_cast<std::size_t>(index)].Player;
  }
  // The name the entry was added under.
  const std::string& Key(int index) const;

  void ResetScore(int index);

  // One tick of the score animation for every player: moves 5, 10 or 20 points (by the size
  // of the delta, never more than the delta) from FScoreDelta to FScore.
  void AnimateScores();
  // As many ticks of it at once, counted rather than stepped: the same scores.
  void AnimateScores(int ticks);

private:
  struct TEntry {
    std::string Key;
    std::unique_ptr<TPlayer> Player;
  };
  std::vector<TEntry> FEntries;
};
