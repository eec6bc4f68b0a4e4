// A machine that leaves a network game, and one that comes back. The host's computer stands
// in for the players of a machine that is gone and hands them back to a machine that joins
// with the same identity. The host decides both in its one order of events and tells the
// machines of this program by a notice, so every machine marks the same players; the moves
// themselves reach every machine as ordinary requests and throws of the host.
#include <algorithm>

#include "game/message_texts.h"
#include "game/random.h"
#include "net/net_table_loop.h"

std::uint64_t TNetTableLoop::Identity() {
  // 0 stands for none, so it is drawn again in the unlikely case.
  while (FIdentity == 0) {
    for (int i = 0; i < 4; ++i) FIdentity = FIdentity << 16 | static_cast<std::uint64_t>(Rng().Random(1 << 16));
  }
  return FIdentity;
}

void TNetTableLoop::PlayerRemoved(TSessionPlayerId member) {
  TGame& game = Game();
  if (!game.NetHost()) return;
  TSeatNotice notice{TSeatChange::TakenOver, {}};
  for (int i = 0; i < game.Players().Count(); ++i) {
    const TPlayer& player = game.Players().Player(i);
    if (player.FMachine == member && !player.FStandIn) notice.Players.push_back(i);
  }
  if (notice.Players.empty()) return;
  ApplySeatNotice(notice);
  FSession.SendNotice(ISession::ToAll, PackSeatNotice(notice));
}

// The machine hears which players the computer stands in for, then which are its own again.
// It may be back before its old connection is found gone: the players still seated there
// come back with it all the same, and that connection's end later finds nobody.
void TNetTableLoop::PlayerIdentified(TSessionPlayerId member, std::uint64_t identity) {
  TGame& game = Game();
  if (!game.NetHost()) return;
  TSeatNotice returning{TSeatChange::HandedBack, {}};
  TSeatNotice standIns{TSeatChange::StandIns, {}};
  for (int i = 0; i < game.Players().Count(); ++i) {
    TPlayer& player = game.PlayerAt(i);
    const auto machine = FMemberIdentities.find(player.FMachine);
    if (machine != FMemberIdentities.end() && machine->second == identity && player.FMachine != member) {
      player.FMachine = member;
      returning.Players.push_back(i);
    } else if (player.FStandIn) {
      standIns.Players.push_back(i);
    }
  }
  // One member per identity: the ones that came before it own nothing any more.
  std::erase_if(FMemberIdentities, [&](const auto& entry) { return entry.second == identity; });
  FMemberIdentities[member] = identity;

  if (!standIns.Players.empty()) FSession.SendNotice(member, PackSeatNotice(standIns));
  if (returning.Players.empty()) return;
  ApplySeatNotice(returning);
  FSession.SendNotice(ISession::ToAll, PackSeatNotice(returning));
  FSession.SendNotice(member, PackSeatNotice({TSeatChange::Yours, returning.Players}));
}

void TNetTableLoop::NoticeReceived(std::string_view block) {
  if (Game().NetHost()) return;
  if (const std::optional<TSeatNotice> notice = UnpackSeatNotice(block)) ApplySeatNotice(*notice);
}

// Only the host plays a stand-in, so only there is it local. The panel has room for one
// player's line: with several, the last one's stays. A player handed back is played
// from its next decision on: a computer's press still pending finds it no longer a computer
// here and is dropped, and one already made is played out.
void TNetTableLoop::ApplySeatNotice(const TSeatNotice& notice) {
  TGame& game = Game();
  const bool host = game.NetHost();
  const int count = game.Players().Count();
  if (notice.Change == TSeatChange::StandIns) {
    for (int i = 0; i < count; ++i) {
      game.PlayerAt(i).FStandIn = std::find(notice.Players.begin(), notice.Players.end(), i) != notice.Players.end();
    }
  }
  for (const int index : notice.Players) {
    if (index >= count) continue;
    TPlayer& player = game.PlayerAt(index);
    switch (notice.Change) {
      case TSeatChange::TakenOver:
        player.FStandIn = true;
        player.FLocal = host;
        game.SetMessage(StandInMessage(player.FName));
        break;
      case TSeatChange::HandedBack:
        player.FStandIn = false;
        if (host) player.FLocal = false;
        game.SetMessage(ReturnedMessage(player.FName));
        break;
      case TSeatChange::Yours:
        player.FStandIn = false;
        player.FLocal = true;
        break;
      case TSeatChange::StandIns: break;
    }
  }
  // Only a change of who plays the player to move touches the buttons: setting them afresh
  // would cut short the pressed look of a press on its way, and lose that press.
  const bool turnMoved =
      std::find(notice.Players.begin(), notice.Players.end(), game.CurrentPlayerIndex()) != notice.Players.end();
  if (!turnMoved) return;
  RefreshButtons();
  // A turn that waited for the machine that left goes on with the computer; one handed to a
  // computer of the machine that came back goes on there.
  if (AutoPressDelay() == 0 && !game.ThrowPending() && game.PassDelay() == 0) ScheduleComputerMove();
}
