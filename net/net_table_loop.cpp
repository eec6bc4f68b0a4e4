#include "net/net_table_loop.h"

#include "base/cp1251.h"
#include "game/random.h"
#include "platform/message_box.h"

TNetTableLoop::TNetTableLoop(TGame& game, ISession& session, TLoopPacing pacing)
    : TGameLoop(game, pacing), FSession(session) {
  FSession.SetEvents(this);
}

TNetTableLoop::~TNetTableLoop() { FSession.SetEvents(nullptr); }

bool TNetTableLoop::HostGame(const std::string& localAddress) {
  Game().ForgetNetRole();
  FSession.SetAddress(localAddress);
  if (!FSession.Host(SessionName, HostPlayerName)) return false;
  Game().StartNetGame();
  return true;
}

namespace {

std::string JoinName() { return std::to_string(Rng().Random(TNetTableLoop::JoinNameRange)); }

}  // namespace

void TNetTableLoop::LeaveForHost(const std::string& serverAddress) {
  Game().ClearPlayers();
  Game().ForgetNetRole();
  FSession.SetAddress(serverAddress);
  FSession.SetIdentity(Identity());
}

bool TNetTableLoop::BeginJoin(const std::string& serverAddress) {
  if (FJoining) return false;
  LeaveForHost(serverAddress);
  if (!FSession.BeginJoin(JoinName())) return false;
  FJoining = true;
  return true;
}

void TNetTableLoop::CancelJoin() {
  FSession.CancelJoin();
  FJoining = false;
}

void TNetTableLoop::JoinEnded(bool joined) {
  FJoining = false;
  if (joined) Game().StartNetGame();
}

bool TNetTableLoop::JoinGame(const std::string& serverAddress) {
  LeaveForHost(serverAddress);
  const std::vector<std::string> sessions = FSession.EnumSessions();
  if (sessions.empty()) return false;
  if (!FSession.Join(sessions.front(), JoinName())) return false;
  Game().StartNetGame();
  return true;
}

int TNetTableLoop::AddPlayer(TPlayer player) {
  player.FLocal = true;
  player.ResetScore();
  TGame& game = Game();
  if (game.Players().Full()) return -1;
  if (game.NetGame() && !game.NetHost()) {
    FOwnPlayersAsked.push_back(player.SaveToString());
    SendGameMessage(gmPlayerAdded, FOwnPlayersAsked.back(), game.ServerId());
    return -1;
  }
  const int index = game.AddPlayer(std::move(player));
  if (game.NetGame()) SendGameMessage(gmPlayerAdded, game.Players().Player(index).SaveToString(), ISession::ToAll);
  return index;
}

void TNetTableLoop::DeletePlayer(int index) {
  TGame& game = Game();
  if (index < 0 || index >= game.Players().Count()) return;
  if (game.NetGame() && !game.NetHost()) return SendGameMessage(gmPlayerDeleted, std::to_string(index), game.ServerId());
  game.DeletePlayer(index);
  if (game.NetGame()) SendGameMessage(gmPlayerDeleted, std::to_string(index), ISession::ToAll);
}

void TNetTableLoop::SendGameMessage(std::int32_t kind, std::string_view text, TSessionPlayerId to) {
  FSession.Send(to, PackGameMessage(kind, text));
}

void TNetTableLoop::SendJoinState(TSessionPlayerId to) {
  const TGame& game = Game();
  SendGameMessage(gmRules, game.OptionsToString(), to);
  for (int i = 0; i < game.Players().Count(); ++i)
    SendGameMessage(gmPlayerAdded, game.Players().Player(i).SaveToString(), to);
  SendGameMessage(gmState, game.StateToString(), to);
}

void TNetTableLoop::PlayerAdded(const TSessionPlayer& player) {
  TGame& game = Game();
  if (game.NetHost()) return SendJoinState(player.Id);
  // Only this machine's own member, the first, tells whether it hosts: a later joiner that
  // calls itself "SERVER" must not turn a client into a second host.
  if (game.ServerId() != 0) return;
  if (player.Name == HostPlayerName) game.BecomeNetHost();
  for (const TSessionPlayer& member : FSession.Players()) {
    if (member.Name != HostPlayerName) continue;
    game.SetServerId(member.Id);
    break;
  }
}

// The two turn buttons only ask the host; they stay disabled until its answer comes back, so
// that a second press cannot send a second request meant for the same turn.
void TNetTableLoop::OnThrowClicked(TStepEvents& events) {
  if (!Game().NetGame()) return TGameLoop::OnThrowClicked(events);
  Game().DisableTurnButtons();
  SendGameMessage(gmThrow, {}, Game().ServerId());
}

void TNetTableLoop::OnRecordClicked(TStepEvents& events) {
  if (!Game().NetGame()) return TGameLoop::OnRecordClicked(events);
  Game().DisableTurnButtons();
  SendGameMessage(gmBank, {}, Game().ServerId());
}

void TNetTableLoop::OnStartClicked(TStepEvents& events) {
  TGameLoop::OnStartClicked(events);
  if (Game().NetGame()) SendGameMessage(gmStart, {}, ISession::ToAll);
}

void TNetTableLoop::HostLost() {
  TGame& game = Game();
  game.ContinueLocally();
  RefreshButtons();
  // A throw or a pass under way schedules the computer when it ends.
  if (!game.ThrowPending() && game.PassDelay() == 0) ScheduleComputerMove();
  MessageBox().Show(Cp1251("Сервер отключился"));
}

void TNetTableLoop::RefreshButtons() {
  const TGame& game = Game();
  if (!game.ThrowPending() && game.PassDelay() == 0) Game().UpdateButtons();
}

void TNetTableLoop::Report(const TStepEvents& events) {
  if (FEventSink) FEventSink(events);
}
