#include "net/seat_notice.h"

#include "game/players.h"

std::string PackSeatNotice(const TSeatNotice& notice) {
  std::string block(1, static_cast<char>(notice.Change));
  for (const int index : notice.Players) block += static_cast<char>(index);
  return block;
}

std::optional<TSeatNotice> UnpackSeatNotice(std::string_view block) {
  if (block.empty()) return std::nullopt;
  TSeatNotice notice;
  notice.Change = static_cast<TSeatChange>(block.front());
  switch (notice.Change) {
    case TSeatChange::TakenOver:
    case TSeatChange::HandedBack:
    case TSeatChange::StandIns:
    case TSeatChange::Yours: break;
    default: return std::nullopt;
  }
  for (const char byte : block.substr(1)) {
    const int index = static_cast<unsigned char>(byte);
    if (index >= TPlayers::MaxPlayers) return std::nullopt;
    notice.Players.push_back(index);
  }
  return notice;
}
