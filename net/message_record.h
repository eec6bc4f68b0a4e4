#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The message kinds of a network game.
enum TGameMessageKind : std::int32_t {
  gmRules = 2,          // the packed rules, to a joining machine
  gmState = 3,          // the game state text, to a joining machine
  gmPlayerAdded = 4,    // one player's packed form
  gmPlayerDeleted = 5,  // a player index in decimal
  gmStart = 6,          // the host started a game
  gmThrow = 7,          // a request (no text) or the host's throw (five face codes)
  gmBank = 8,           // a request or the host's record of the turn (no text)
};

// Every message is one record of 136 bytes: the kind (32-bit, least significant byte first),
// the text's length, the text and padding.
inline constexpr std::size_t GameMessageSize = 136;
inline constexpr std::size_t GameMessageTextLimit = 128;

struct TGameMessage {
  std::int32_t Kind = 0;
  std::string Text;
};

// A text longer than 128 bytes is cut to its first 128; the padding is zeros.
std::string PackGameMessage(std::int32_t kind, std::string_view text);

// Nothing for a block that is not 136 bytes or whose text length is above 128.
std::optional<TGameMessage> UnpackGameMessage(std::string_view block);
