#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Who plays which player, as the host tells the machines of this program beside the game
// messages (ISession::SendNotice). Older machines never get it and play on all the same: it
// changes only the marks and who presses, never what happens.
enum class TSeatChange : char {
  TakenOver = 'C',   // their machine left: the host's computer plays them from now on
  HandedBack = 'H',  // their machine came back: its people play them again
  StandIns = 'S',    // every player the host's computer stands in for, to a machine that joined
  Yours = 'Y',       // to a machine that came back: the players that are its own
};

struct TSeatNotice {
  TSeatChange Change = TSeatChange::TakenOver;
  std::vector<int> Players;  // indexes in the list of players
};

// The change's letter, then one byte per player index.
std::string PackSeatNotice(const TSeatNotice& notice);
// Nothing for an unknown change or an index that no table can have.
std::optional<TSeatNotice> UnpackSeatNotice(std::string_view block);
