#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/players.h"

// Saved games (*.sav): the magic "TOLVANE", two checksums of the payload and the payload:
// the players, whose turn it is and the packed rules.

inline constexpr std::string_view SavedGameMagic = "TOLVANE";
inline constexpr std::size_t SavedGameHeaderSize = 15;
inline constexpr std::size_t SavedGameReadLimit = 10000;
inline constexpr std::size_t SavedOptionsSize = 100;  // the packed rules padded with zeros

// Why a saved game was refused.
enum class TSavedGameError { None, Missing, Unreadable, BadMagic, BadChecksum, Truncated, TooManyPlayers };

// A short English reason for the command-line tools.
std::string_view SavedGameErrorText(TSavedGameError error);

struct TSavedChecksums {
  std::int32_t A = 0;
  std::int32_t B = 0;
  bool operator==(const TSavedChecksums&) const = default;
};

// Both checksums over the payload, in signed 32-bit arithmetic that wraps.
TSavedChecksums SavedGameChecksums(std::string_view payload);

struct TSavedGame {
  std::vector<TPlayer> Players;
  std::uint8_t CurrentPlayer = 0;
  std::string PackedOptions;  // the 55-byte packed rules
};

// The whole file; nothing when the players do not fit in the count byte (more than 255).
std::optional<std::string> EncodeSavedGame(const TSavedGame& game);

// Reads a whole file's bytes. Never reads past them: a count or length that points past the
// end refuses the file as Truncated, and more players than TPlayers::MaxPlayers as
// TooManyPlayers. `game` is filled only when the answer is None.
TSavedGameError DecodeSavedGame(std::string_view bytes, TSavedGame& game);
