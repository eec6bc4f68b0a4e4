#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "game/game_loop.h"
#include "net/message_record.h"
#include "net/seat_notice.h"
#include "platform/session.h"

// The table step of a network game and the game's side of the session. Outside a network
// game (FNetGame false) the table buttons act as in a local game; during one, a throw or a
// record only sends a request to the host, which carries it out and sends it to every
// machine, so every machine replays the same actions in the host's order. The window polls
// the session between ticks; its events arrive here.
class TNetTableLoop : public TGameLoop, public ISessionEvents {
public:
  static constexpr std::string_view SessionName = "FFF";
  static constexpr std::string_view HostPlayerName = "SERVER";
  // A joining machine's session name is a random number below this.
  static constexpr int JoinNameRange = 65000;

  // Becomes the session's event handler.
  TNetTableLoop(TGame& game, ISession& session, TLoopPacing pacing = {});
  ~TNetTableLoop() override;

  // Receives what the session's messages brought about between ticks (the sounds of a
  // start, a throw settled early, a won game), as TableStep returns it for a tick.
  void SetEventSink(std::function<void(const TStepEvents&)> sink) { FEventSink = std::move(sink); }

  // The network screen. Hosting keeps the players and the game; joining first ends the game
  // and deletes every player, even when it fails. Both start the network game when they
  // succeed.
  bool HostGame(const std::string& localAddress);
  // Joining without waiting: the session's Poll moves it on until Joining() is false again,
  // with NetGame() true when it joined. False when the session cannot begin (it is open, or
  // a join is under way).
  bool BeginJoin(const std::string& serverAddress);
  // Gives up a join under way; the game hears nothing more of it.
  void CancelJoin();
  bool Joining() const { return FJoining; }
  // Joining that waits for the outcome, for drivers without a window (tests, fuzzing, the
  // benchmarks).
  bool JoinGame(const std::string& serverAddress);

  // The players screen: adds a player of this machine, or deletes one, here and, during a
  // network game, on every other machine. The host puts every change of the players in one
  // order: a client only asks it and applies its own change when the host sends it back, so
  // that changes made at the same moment on two machines cannot leave two different lists.
  // AddPlayer returns the new index, or -1 when the player is to come back from the host or
  // the table is full.
  int AddPlayer(TPlayer player);
  void DeletePlayer(int index);

  void SendGameMessage(std::int32_t kind, std::string_view text, TSessionPlayerId to);
  // The host's greeting to a joined machine: the rules, each player, then the game state.
  void SendJoinState(TSessionPlayerId to);

  // A session member was added (the first is this machine's own).
  void PlayerAdded(const TSessionPlayer& player) override;
  // A message record arrived; kinds outside 2..8 and texts too short for their kind are
  // ignored.
  void MessageReceived(TSessionPlayerId from, std::string_view block) override;
  // The game goes on here alone; the person is told the server is gone.
  void HostLost() override;
  void JoinEnded(bool joined) override;
  // The host's computer takes over the players of a machine that left, and hands them back
  // when a machine with the same identity joins again (machine_seats.cpp).
  void PlayerRemoved(TSessionPlayerId member) override;
  void PlayerIdentified(TSessionPlayerId member, std::uint64_t identity) override;
  void NoticeReceived(std::string_view block) override;

  // What this machine gives the host as its identity when it joins: drawn once, kept for as
  // long as the program runs, so that rejoining after a drop finds its players again.
  std::uint64_t Identity();

protected:
  void OnStartClicked(TStepEvents& events) override;
  void OnThrowClicked(TStepEvents& events) override;
  void OnRecordClicked(TStepEvents& events) override;

private:
  // Ends the game here, deletes every player and aims the session at the host.
  void LeaveForHost(const std::string& serverAddress);
  void ReceiveRules(std::string_view text);
  void ReceiveState(std::string_view text);
  void ReceivePlayer(std::string_view text, TSessionPlayerId from);
  void ReceiveDeletion(std::string_view text);
  void ReceiveStart();
  void ReceiveThrow(std::string_view text, TSessionPlayerId from);
  void ReceiveBank(TSessionPlayerId from);
  bool FromTurnHolder(TSessionPlayerId from);
  // UpdateButtons, unless a throw or the pause after a lost turn is under way: those end by
  // setting the buttons themselves, and enabling "BT_DO" meanwhile would let a request
  // through for the wrong turn.
  void RefreshButtons();
  void Report(const TStepEvents& events);
  void ApplySeatNotice(const TSeatNotice& notice);

  ISession& FSession;
  std::function<void(const TStepEvents&)> FEventSink;
  // Players this client asked the host to add, as packed: they come back as its own.
  std::deque<std::string> FOwnPlayersAsked;
  bool FJoining = false;
  std::uint64_t FIdentity = 0;
  // On the host: the identity each member gave, kept after it left.
  std::map<TSessionPlayerId, std::uint64_t> FMemberIdentities;
};
