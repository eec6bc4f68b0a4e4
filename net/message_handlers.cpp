// What each message kind does on the machine that receives it.
#include <array>
#include <charconv>

#include "game/options.h"
#include "net/net_table_loop.h"

namespace {

// The whole text as a decimal number, or -1.
int ParseIndex(std::string_view text) {
  int value = -1;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end && !text.empty() ? value : -1;
}

}  // namespace

void TNetTableLoop::MessageReceived(TSessionPlayerId from, std::string_view block) {
  const std::optional<TGameMessage> message = UnpackGameMessage(block);
  if (!message) return;
  switch (message->Kind) {
    case gmRules: return ReceiveRules(message->Text);
    case gmState: return ReceiveState(message->Text);
    case gmPlayerAdded: return ReceivePlayer(message->Text, from);
    case gmPlayerDeleted: return ReceiveDeletion(message->Text);
    case gmStart: return ReceiveStart();
    case gmThrow: return ReceiveThrow(message->Text, from);
    case gmBank: return ReceiveBank(from);
    default: return;
  }
}

void TNetTableLoop::ReceiveRules(std::string_view text) {
  if (text.size() >= PackedOptionsSize) Game().OptionsFromString(text);
}

void TNetTableLoop::ReceiveState(std::string_view text) { Game().StateFromString(text); }

// The player arrives with its packed score and counters, as from a saved game. The host
// passes a client's player on to every client, the one that asked included. A full table
// takes no more: the host passes nothing on, and a client's request is dropped with it. The
// host notes whose machine asked, to stand in for its players should it leave.
void TNetTableLoop::ReceivePlayer(std::string_view text, TSessionPlayerId from) {
  TPlayer player;
  player.FLocal = !FOwnPlayersAsked.empty() && FOwnPlayersAsked.front() == text;
  if (!player.LoadFromString(text)) return;
  if (player.FLocal) FOwnPlayersAsked.pop_front();
  TGame& game = Game();
  if (game.NetHost()) player.FMachine = from;
  if (game.AddLoadedPlayer(player) < 0) return;
  RefreshButtons();
  if (game.NetHost()) SendGameMessage(gmPlayerAdded, text, ISession::ToAll);
}

void TNetTableLoop::ReceiveDeletion(std::string_view text) {
  TGame& game = Game();
  const int index = ParseIndex(text);
  if (index < 0 || index >= game.Players().Count()) return;
  game.DeletePlayer(index);
  RefreshButtons();
  if (game.NetHost()) SendGameMessage(gmPlayerDeleted, text, ISession::ToAll);
}

// Every machine schedules the first move of its own computer player; the host's step does
// the same for its own.
void TNetTableLoop::ReceiveStart() {
  TStepEvents events;
  TGameLoop::OnStartClicked(events);
  Report(events);
}

// The host answers only the machine whose player has the turn, once the turn before has run
// out: a request that crossed a change of seats, or came late, would otherwise act for
// someone else.
bool TNetTableLoop::FromTurnHolder(TSessionPlayerId from) {
  const TPlayer* player = Game().CurrentPlayer();
  if (player == nullptr) return false;
  return player->FLocal ? from == Game().ServerId() : from == player->FMachine;
}

// The host draws the faces and sends them to all; everyone else replays them.
void TNetTableLoop::ReceiveThrow(std::string_view text, TSessionPlayerId from) {
  TGame& game = Game();
  if (!game.NetHost() && text.size() < TGame::DiceCount) return;
  TStepEvents events;
  FinishRolling(events);
  if (game.NetHost() && !FromTurnHolder(from)) return Report(events);
  if (game.NetHost()) {
    game.StartThrow();
    std::string faces;
    for (const TZarnik& die : game.ThrowDice()) faces += static_cast<char>(die.Face);
    SendGameMessage(gmThrow, faces, ISession::ToAll);
  } else {
    std::array<int, TGame::DiceCount> faces{};
    for (int i = 0; i < TGame::DiceCount; ++i) faces[i] = static_cast<std::uint8_t>(text[i]);
    game.StartThrowWith(faces);
  }
  game.DisableTurnButtons();
  Report(events);
}

void TNetTableLoop::ReceiveBank(TSessionPlayerId from) {
  TGame& game = Game();
  if (game.GameOver()) return;
  TStepEvents events;
  FinishRolling(events);
  if (game.NetHost() && !FromTurnHolder(from)) return Report(events);
  if (game.NetHost()) SendGameMessage(gmBank, {}, ISession::ToAll);
  TGameLoop::OnRecordClicked(events);
  Report(events);
}
