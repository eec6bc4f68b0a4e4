#pragma once

#include <string>
#include <vector>

#include "platform/session.h"

// A session without a network: records what is sent, hands a send to its own member back at
// once (as the real one does) and answers hosting and joining as told.
class TFakeSession final : public ISession {
public:
  struct TSent {
    TSessionPlayerId To = 0;
    std::string Block;
  };

  TSessionPlayer Self{1, "SERVER"};
  std::vector<TSessionPlayer> Members{Self};
  std::vector<std::string> Sessions{"FFF"};
  std::vector<std::string> ProviderNames{"TCP/IP"};
  bool HostSucceeds = true;
  bool JoinSucceeds = true;
  bool JoinAnswers = true;   // false: a BeginJoin waits until it is cancelled
  bool JoinPending = false;  // a BeginJoin that the next Poll ends
  bool Open = false;
  std::string Address;
  std::string JoinedSession;
  std::string JoinedAs;
  std::vector<TSent> Sent;
  std::vector<TSent> Notices;
  std::uint64_t Identity = 0;
  ISessionEvents* Events = nullptr;

  void SetEvents(ISessionEvents* events) override { Events = events; }
  std::vector<std::string> Providers() const override { return ProviderNames; }
  bool SelectProvider(std::string_view name) override {
    for (const std::string& provider : ProviderNames)
      if (provider == name) return true;
    return false;
  }
  void SetAddress(std::string address) override { Address = std::move(address); }
  bool Host(std::string_view, std::string_view) override { return Opened(HostSucceeds); }
  std::vector<std::string> EnumSessions() override { return Sessions; }
  bool Join(std::string_view session, std::string_view player) override {
    JoinedSession = session;
    JoinedAs = player;
    return Opened(JoinSucceeds);
  }
  bool BeginJoin(std::string_view player) override {
    if (Open || JoinPending) return false;
    JoinedSession = Sessions.empty() ? "" : Sessions.front();
    JoinedAs = player;
    JoinPending = true;
    return true;
  }
  void CancelJoin() override { JoinPending = false; }
  bool Active() const override { return Open; }
  std::vector<TSessionPlayer> Players() const override { return Members; }
  void Send(TSessionPlayerId to, std::string_view block) override {
    if (to == Self.Id) {
      if (Events != nullptr) Events->MessageReceived(Self.Id, block);
      return;
    }
    Sent.push_back({to, std::string(block)});
  }
  void SetIdentity(std::uint64_t identity) override { Identity = identity; }
  void SendNotice(TSessionPlayerId to, std::string_view block) override { Notices.push_back({to, std::string(block)}); }
  void GoQuiet() override {}
  // Ends a BeginJoin as told, unless the host is not to answer.
  void Poll() override {
    if (!JoinPending || !JoinAnswers) return;
    JoinPending = false;
    const bool joined = Opened(JoinSucceeds && !Sessions.empty());
    if (Events != nullptr) Events->JoinEnded(joined);
  }
  void Close() override {
    Open = false;
    JoinPending = false;
  }

private:
  // Announces this machine's own member within the call, as the real session does.
  bool Opened(bool succeeds) {
    Open = succeeds;
    if (succeeds && Events != nullptr) Events->PlayerAdded(Self);
    return succeeds;
  }
};
