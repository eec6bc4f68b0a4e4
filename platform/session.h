#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One machine's member of a network session. A machine has exactly one; the game's players
// are a separate matter.
using TSessionPlayerId = std::uint32_t;

struct TSessionPlayer {
  TSessionPlayerId Id = 0;  // never 0
  std::string Name;
};

// What the session hands to the game: from Poll (between ticks); this machine's own member
// from inside Host or Join (from Poll after BeginJoin); a block sent to this machine's own
// member from inside that Send.
class ISessionEvents {
public:
  virtual ~ISessionEvents() = default;
  // First this machine's own member (after hosting or joining), then every later joiner.
  virtual void PlayerAdded(const TSessionPlayer& player) = 0;
  virtual void MessageReceived(TSessionPlayerId from, std::string_view block) = 0;
  // A joined machine's host is gone; comes after everything that arrived before it went.
  virtual void HostLost() {}
  // The end of a BeginJoin: joined (right after this machine's own PlayerAdded, before
  // anything the host sends) or given up. Never after CancelJoin or Close.
  virtual void JoinEnded(bool /*joined*/) {}
  // On the host: a member's machine is gone (closed, failed or silent); comes after
  // everything it sent.
  virtual void PlayerRemoved(TSessionPlayerId) {}
  // On the host: a member told the identity its machine keeps for the session; comes right
  // after its PlayerAdded, and only from machines that keep one.
  virtual void PlayerIdentified(TSessionPlayerId, std::uint64_t) {}
  // On a joined machine: a notice the host's game sent with SendNotice.
  virtual void NoticeReceived(std::string_view) {}
};

// A network session: one machine hosts a named session, the others find it by address and
// join it. Delivery is ordered and lossless. Every call runs on the window's thread.
class ISession {
public:
  static constexpr std::uint16_t GamePort = 5348;
  // The address of a Send that goes to every member but this machine's own.
  static constexpr TSessionPlayerId ToAll = 0;

  virtual ~ISession() = default;

  virtual void SetEvents(ISessionEvents* events) = 0;

  // The service providers by name, and choosing one of them.
  virtual std::vector<std::string> Providers() const = 0;
  virtual bool SelectProvider(std::string_view name) = 0;

  // The address that EnumSessions, Join and BeginJoin look for a host at.
  virtual void SetAddress(std::string address) = 0;

  // Opens a new session as its host. False when it cannot (the port is taken, a session is
  // already open).
  virtual bool Host(std::string_view sessionName, std::string_view playerName) = 0;
  // The names of the sessions at the set address; empty when none answers.
  virtual std::vector<std::string> EnumSessions() = 0;
  virtual bool Join(std::string_view sessionName, std::string_view playerName) = 0;
  // Joins the first session at the set address without waiting: Poll moves the attempt on
  // and ends it with JoinEnded. False, and no JoinEnded, when a session is open or an attempt
  // is under way.
  virtual bool BeginJoin(std::string_view playerName) = 0;
  // Gives up the attempt under way, if any; nothing more is heard of it.
  virtual void CancelJoin() = 0;

  // Hosting or joined, and the host still reachable.
  virtual bool Active() const = 0;
  virtual std::vector<TSessionPlayer> Players() const = 0;

  // To one member, or to all others with ToAll. A block for this machine's own member is
  // handed to MessageReceived before Send returns. Without an open session nothing happens.
  virtual void Send(TSessionPlayerId to, std::string_view block) = 0;

  // The identity this machine gives the host when it joins: a machine that comes back with
  // the same one is known again. 0 gives none.
  virtual void SetIdentity(std::uint64_t identity) = 0;
  // From the host to one member, or to all with ToAll: a block beside the game's messages,
  // in the same order, that only machines of this program receive (older ones are skipped).
  virtual void SendNotice(TSessionPlayerId to, std::string_view block) = 0;
  // This machine is about to wait without polling (a message box, a dialog): the peers are
  // told not to count its silence as leaving until they hear from it again.
  virtual void GoQuiet() = 0;

  // Moves a bounded amount of traffic and hands what arrived to the events; called between
  // ticks, so that a burst can never stall one.
  virtual void Poll() = 0;

  virtual void Close() = 0;
};
