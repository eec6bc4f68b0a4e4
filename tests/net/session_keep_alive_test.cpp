// Machines that go quiet without closing anything: the keep-alive finds them, and a peer that
// does not speak it is left alone.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/session_tcp.h"
#include "platform/session_wire.h"
#include "tests/support/raw_tcp.h"

namespace {

using namespace std::chrono_literals;

struct TLog final : public ISessionEvents {
  void PlayerAdded(const TSessionPlayer& player) override { Added.push_back(player); }
  void MessageReceived(TSessionPlayerId, std::string_view block) override { Blocks.emplace_back(block); }
  std::vector<TSessionPlayer> Added;
  std::vector<std::string> Blocks;
};

TTcpSessionSettings Brisk() {
  TTcpSessionSettings settings;
  settings.Port = 0;
  settings.KeepAliveInterval = 20ms;
  settings.SilenceLimit = 300ms;
  return settings;
}

class KeepAlive : public ::testing::Test {
protected:
  void SetUp() override {
    Host.SetEvents(&HostLog);
    ASSERT_TRUE(Host.Host("FFF", "SERVER"));
    for (int i = 0; i < 2; ++i) {
      TTcpSessionSettings settings = Brisk();
      settings.Port = Host.HostPort();
      settings.WhileWaiting = [this] { Host.Poll(); };
      Clients.push_back(std::make_unique<TTcpSession>(settings));
      Clients.back()->SetEvents(&ClientLogs[i]);
      Clients.back()->SetAddress("127.0.0.1");
      ASSERT_TRUE(Clients.back()->Join("FFF", std::to_string(i)));
    }
  }

  // Polls the host and the clients still listed as polled for about `time`, or until `done`.
  bool Serve(std::chrono::milliseconds time, const std::function<bool()>& done = [] { return false; }) {
    const auto end = std::chrono::steady_clock::now() + time;
    while (std::chrono::steady_clock::now() < end && !done()) {
      if (HostPolled) Host.Poll();
      for (std::size_t i = 0; i < Clients.size(); ++i) {
        if (ClientPolled[i]) Clients[i]->Poll();
      }
      std::this_thread::sleep_for(1ms);
    }
    return done();
  }

  TLog HostLog;
  TTcpSession Host{Brisk()};
  bool HostPolled = true;
  TLog ClientLogs[2];
  std::vector<std::unique_ptr<TTcpSession>> Clients;
  bool ClientPolled[2] = {true, true};
};

TEST_F(KeepAlive, LivelyMachinesStayAndTheGameNeverSeesIt) {
  Serve(1s);
  EXPECT_EQ(Host.Players().size(), 3u);
  for (const auto& client : Clients) {
    EXPECT_TRUE(client->Active());
    EXPECT_EQ(client->Players().size(), 3u);
  }
  EXPECT_TRUE(HostLog.Blocks.empty());
  EXPECT_TRUE(ClientLogs[0].Blocks.empty());
  EXPECT_TRUE(ClientLogs[1].Blocks.empty());
}

TEST_F(KeepAlive, AHalfOpenClientIsDroppedAndTheOthersHearOfIt) {
  Serve(100ms);
  ClientPolled[0] = false;  // its connection stays open, nothing is read or written
  const bool gone = Serve(3s, [&] { return Host.Players().size() == 2 && Clients[1]->Players().size() == 2; });
  EXPECT_TRUE(gone);
  EXPECT_TRUE(Clients[1]->Active());
}

TEST_F(KeepAlive, AClientNoticesASilentHost) {
  Serve(100ms);
  HostPolled = false;
  EXPECT_TRUE(Serve(3s, [&] { return !Clients[0]->Active() && !Clients[1]->Active(); }));
}

// A message box or dialog holds a machine's only thread for as long as the person likes: said
// first, its silence is not taken for leaving, and the watch is back once it speaks again.
TEST_F(KeepAlive, AMachineThatSaidItWaitsIsNotTakenForGoneUntilItSpeaksAgain) {
  Serve(100ms);
  Clients[0]->GoQuiet();
  ClientPolled[0] = false;
  Serve(1s);
  EXPECT_EQ(Host.Players().size(), 3u) << "a client in a modal wait stays";
  ClientPolled[0] = true;
  Serve(100ms);
  ClientPolled[0] = false;
  EXPECT_TRUE(Serve(3s, [&] { return Host.Players().size() == 2; })) << "silent again, unannounced: gone";

  Host.GoQuiet();
  HostPolled = false;
  Serve(1s);
  EXPECT_TRUE(Clients[1]->Active()) << "a host in a modal wait is not lost";
  HostPolled = true;
  Serve(100ms);
  HostPolled = false;
  EXPECT_TRUE(Serve(3s, [&] { return !Clients[1]->Active(); })) << "silent again, unannounced: lost";
}

// A peer of the first protocol version joins and then says nothing: it is not ours to time out,
// and it must never be sent a frame it does not know, keep-alive or notice.
TEST(KeepAliveWithOlderPeers, AQuietFirstVersionClientStaysAndHearsNoKeepAlive) {
  TTcpSession host(Brisk());
  ASSERT_TRUE(host.Host("FFF", "SERVER"));
  TRawTcp peer;
  ASSERT_TRUE(peer.Connect(host.HostPort()));
  ASSERT_TRUE(peer.Send(SessionWire::HelloFrame() + SessionWire::JoinFrame("FFF", "old")));
  bool closed = false;
  const auto end = std::chrono::steady_clock::now() + 1s;
  while (std::chrono::steady_clock::now() < end && !closed) {
    host.Poll();
    closed = peer.PeerClosed();
    std::this_thread::sleep_for(1ms);
  }
  host.SendNotice(ISession::ToAll, "notice");
  host.SendNotice(2, "notice");
  for (int i = 0; i < 50 && !closed; ++i) {
    host.Poll();
    closed = peer.PeerClosed();
    std::this_thread::sleep_for(1ms);
  }
  EXPECT_FALSE(closed);
  EXPECT_EQ(host.Players().size(), 2u);
  EXPECT_EQ(peer.Heard,
            SessionWire::SessionsFrame({"FFF"}) + SessionWire::JoinedFrame(2, {{1, "SERVER"}, {2, "old"}}));
}

}  // namespace
