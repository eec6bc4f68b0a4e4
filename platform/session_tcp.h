#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "platform/session.h"

struct TTcpSessionSettings {
  // The host listens on this port of every local address, IPv4 and (where the machine has it)
  // IPv6, and joiners connect to it;
  // 0 lets the system choose the host's port (tests, see TTcpSession::HostPort).
  std::uint16_t Port = ISession::GamePort;
  // The longest a blocking call (listing the sessions, joining) waits for the host, and the
  // longest a BeginJoin goes on.
  std::chrono::milliseconds WaitLimit{5000};
  // A connection that has not joined within this is dropped by the host.
  std::chrono::milliseconds HandshakeLimit{10000};
  // Keep-alives go out this often; a peer that sends them and then stays silent longer than
  // the silence limit is taken as gone, even when its connection never closes.
  std::chrono::milliseconds KeepAliveInterval{2000};
  std::chrono::milliseconds SilenceLimit{8000};
  // Network handlers run and events handed to the game in one Poll.
  int PollBudget = 64;
  int EventBudget = 64;
  // Bytes waiting to go out to one connection before it is given up as stuck.
  std::size_t MaxQueuedBytes = 1 << 20;
  // Runs while a blocking call waits: lets a test pump a host living in the same thread.
  std::function<void()> WhileWaiting;
};

// The game's session service over TCP: one host relays between the joined machines, every
// message goes over the one connection between a machine and the host, so all machines see
// the host's order.
class TTcpSession final : public ISession {
public:
  static constexpr std::string_view ProviderName = "TCP/IP";

  explicit TTcpSession(TTcpSessionSettings settings = {});
  ~TTcpSession() override;
  TTcpSession(const TTcpSession&) = delete;
  TTcpSession& operator=(const TTcpSession&) = delete;

  void SetEvents(ISessionEvents* events) override;
  std::vector<std::string> Providers() const override;
  bool SelectProvider(std::string_view name) override;
  void SetAddress(std::string address) override;
  bool Host(std::string_view sessionName, std::string_view playerName) override;
  std::vector<std::string> EnumSessions() override;
  bool Join(std::string_view sessionName, std::string_view playerName) override;
  bool BeginJoin(std::string_view playerName) override;
  void CancelJoin() override;
  bool Active() const override;
  std::vector<TSessionPlayer> Players() const override;
  void Send(TSessionPlayerId to, std::string_view block) override;
  void SetIdentity(std::uint64_t identity) override;
  void SendNotice(TSessionPlayerId to, std::string_view block) override;
  void GoQuiet() override;
  void Poll() override;
  void Close() override;

  // The port a host listens on; 0 while not hosting.
  std::uint16_t HostPort() const;

private:
  class TImpl;
  std::unique_ptr<TImpl> FImpl;
};
