// Strangers and failures on the session's port: each closes its own connection only, and the
// game goes on for everyone else.
#include <gtest/gtest.h>

#include <thread>

#include "base/cp1251.h"
#include "platform/session_wire.h"
#include "tests/support/fake_message_box.h"
#include "tests/net/net_machines.h"
#include "tests/support/raw_tcp.h"

namespace {

using namespace std::chrono_literals;

class SessionFaults : public ::testing::Test {
protected:
  void SetUp() override {
    Table.Host().AddPlayer("Host");
    ASSERT_TRUE(Table.StartHost());
    Client = Table.Join();
    ASSERT_TRUE(Client);
  }

  // Serves the session until the stranger's connection is closed by the host (bounded).
  bool HostCloses(TRawTcp& stranger) {
    for (int tick = 0; tick < 2000; ++tick) {
      Table.Tick();
      if (stranger.PeerClosed()) return true;
      std::this_thread::sleep_for(1ms);
    }
    return false;
  }

  // The joined client still hears the host, and a newcomer can still join.
  void ExpectSessionGoesOn() {
    const std::size_t before = Client->Recorder.Received.size();
    Table.Host().Loop.SendGameMessage(gmStart, {}, ISession::ToAll);
    EXPECT_TRUE(Table.RunUntil([&] { return Client->Recorder.Received.size() > before; }, 500));
    EXPECT_TRUE(Table.Join());
    EXPECT_EQ(Table.Host().Session.Players().size(), Table.Machines.size());
  }

  TNetTable Table;
  TNetMachine* Client = nullptr;
};

std::size_t ThrowsReceived(const TNetMachine& machine) {
  std::size_t count = 0;
  for (const auto& received : machine.Recorder.Received) count += received.Message.Kind == gmThrow ? 1 : 0;
  return count;
}

std::string Header(std::uint32_t size) {
  std::string header;
  for (int i = 0; i < 4; ++i) header += static_cast<char>(size >> (8 * i));
  return header;
}

TEST_F(SessionFaults, WhateverIsNotOurProtocolIsShutOut) {
  const std::string hello = SessionWire::HelloFrame();
  std::string wrongMagic = hello;
  wrongMagic[5] = 'X';
  std::string wrongVersion = hello;
  wrongVersion[5 + SessionWire::Magic.size()] = 9;
  const std::vector<std::pair<const char*, std::string>> cases{
      {"http request", "GET / HTTP/1.1\r\nHost: 127.0.0.1:5348\r\n\r\n"},
      {"garbage", std::string("\x13\x37\x00\x01\xFF\xFE\xFD\xFC", 8)},
      {"oversized frame", Header(SessionWire::MaxPayload + 1) + "x"},
      {"empty frame", Header(0)},
      {"wrong magic", wrongMagic},
      {"wrong version", wrongVersion},
      {"join before hello", SessionWire::JoinFrame("FFF", "1")},
      {"unknown session", hello + SessionWire::JoinFrame("GGG", "1")},
      {"message before joining", hello + SessionWire::MessageFrame(0, "boo")},
      {"hello twice", hello + hello},
  };
  for (const auto& [name, bytes] : cases) {
    TRawTcp stranger;
    ASSERT_TRUE(stranger.Connect(Table.Host().Session.HostPort())) << name;
    ASSERT_TRUE(stranger.Send(bytes)) << name;
    EXPECT_TRUE(HostCloses(stranger)) << name;
  }
  ExpectSessionGoesOn();
}

TEST_F(SessionFaults, CutFramesPortScansAndSilentGuestsAreDropped) {
  TTcpSessionSettings settings;
  settings.Port = 0;
  settings.HandshakeLimit = 100ms;
  TNetMachine host(settings, {});
  ASSERT_TRUE(host.Loop.HostGame("127.0.0.1"));
  const std::uint16_t port = host.Session.HostPort();
  const auto serve = [&](TRawTcp& stranger) {
    for (int tick = 0; tick < 2000; ++tick) {
      host.Tick();
      if (stranger.PeerClosed()) return true;
      std::this_thread::sleep_for(1ms);
    }
    return false;
  };
  const std::vector<std::pair<const char*, std::string>> stalls{
      {"silent", ""},
      {"half a header", Header(100).substr(0, 2)},
      {"cut frame", Header(100) + "only part"},
      {"hello and no join", SessionWire::HelloFrame()},
  };
  for (const auto& [name, bytes] : stalls) {
    TRawTcp stranger;
    ASSERT_TRUE(stranger.Connect(port)) << name;
    if (!bytes.empty()) {
      ASSERT_TRUE(stranger.Send(bytes));
    }
    EXPECT_TRUE(serve(stranger)) << name;
  }
  // A scanner that connects and leaves at once, and a frame cut by the sender leaving.
  for (const std::string& bytes : {std::string(), Header(50) + "abc"}) {
    TRawTcp stranger;
    ASSERT_TRUE(stranger.Connect(port));
    if (!bytes.empty()) {
      ASSERT_TRUE(stranger.Send(bytes));
    }
    stranger.Close();
    for (int tick = 0; tick < 20; ++tick) host.Tick();
  }
  EXPECT_TRUE(host.Session.Active());
  EXPECT_EQ(host.Session.Players().size(), 1u);
}

TEST_F(SessionFaults, AClientKilledMidGameLeavesTheOthersPlaying) {
  TNetMachine* other = Table.Join();
  ASSERT_TRUE(other);
  Table.Tick();
  TNetMachine& host = Table.Host();
  host.Game.UpdateButtons();
  ASSERT_TRUE(host.Loop.PressButton(TTableButtons::Start));
  ASSERT_TRUE(Table.RunUntil([&] { return !host.Game.GameOver(); }));
  ASSERT_TRUE(host.Loop.PressButton(TTableButtons::Do));
  ASSERT_TRUE(Table.RunUntil([&] { return Client->Game.DiceMoving(); }));

  Table.Machines[1].reset();  // the client dies with its dice in the air
  for (int i = 0; i < 50; ++i) {  // and the host writes on before it notices
    host.Loop.SendGameMessage(gmStart + 100, {}, ISession::ToAll);
    host.Session.Poll();
  }
  const auto gone = [&] { return host.Session.Players().size() == 2 && other->Session.Players().size() == 2; };
  ASSERT_TRUE(Table.RunUntil(gone, 1000));
  ASSERT_TRUE(Table.RunUntil([&] { return Table.Settled(); }));
  const std::size_t before = ThrowsReceived(*other);
  ASSERT_TRUE(host.Loop.PressButton(TTableButtons::Do));
  EXPECT_TRUE(Table.RunUntil([&] { return ThrowsReceived(*other) > before && Table.Settled(); }));
}

TEST_F(SessionFaults, AClientWhoseHostDiesMidThrowPlaysOnAlone) {
  TFakeMessageBox box;
  TNetMachine& client = *Client;
  client.AddPlayer("Guest");
  ASSERT_TRUE(Table.RunUntil([&] { return client.Game.Players().Count() == 2; }));
  TNetMachine& host = Table.Host();
  host.Game.UpdateButtons();
  ASSERT_TRUE(host.Loop.PressButton(TTableButtons::Start));
  ASSERT_TRUE(Table.RunUntil([&] { return !client.Game.GameOver(); }));
  ASSERT_TRUE(host.Loop.PressButton(TTableButtons::Do));
  ASSERT_TRUE(Table.RunUntil([&] { return client.Game.DiceMoving(); }));

  Table.Machines[0].reset();
  for (int tick = 0; tick < 200 && box.Texts.empty(); ++tick) {
    client.Tick();
    std::this_thread::sleep_for(1ms);
  }
  EXPECT_EQ(box.Texts, std::vector<std::string>{Cp1251("Сервер отключился")});
  EXPECT_FALSE(client.Session.Active());
  EXPECT_FALSE(client.Game.NetGame());
  const TPlayer& hostsPlayer = client.Game.Players().Player(0);
  EXPECT_TRUE(hostsPlayer.FLocal);
  EXPECT_EQ(hostsPlayer.FKind, PlayerKindComputer);
  EXPECT_EQ(hostsPlayer.FLevel, 0);
  EXPECT_EQ(client.Game.Players().Player(1).FKind, PlayerKindHuman);

  // The computer finishes the host's player's turn and hands it to the guest.
  for (int tick = 0; tick < 20000 && !client.LocalHumanToMove(); ++tick) client.Tick();
  EXPECT_TRUE(client.LocalHumanToMove());
  EXPECT_EQ(box.Texts.size(), 1u);
}

TEST(SessionJoin, FailsCleanlyWhenNobodyOrNobodyUsefulListens) {
  TRawTcp silent;
  const std::uint16_t silentPort = silent.Listen();
  ASSERT_NE(silentPort, 0);
  TRawTcp closed;
  const std::uint16_t closedPort = closed.Listen();
  closed.Close();  // nothing listens there any more
  for (const std::uint16_t port : {silentPort, closedPort}) {
    TTcpSessionSettings settings;
    settings.Port = port;
    settings.WaitLimit = 200ms;
    TTcpSession session(settings);
    session.SetAddress("127.0.0.1");
    EXPECT_TRUE(session.EnumSessions().empty()) << port;
    EXPECT_FALSE(session.Join("FFF", "1")) << port;
    EXPECT_FALSE(session.Active());
    session.Send(ISession::ToAll, "nothing");  // does nothing
    session.Poll();
  }
}

TEST(SessionJoin, TwentyMembersAtMost) {
  TTcpSessionSettings hostSettings;
  hostSettings.Port = 0;
  TTcpSession host(hostSettings);
  ASSERT_TRUE(host.Host("FFF", "SERVER"));
  TTcpSessionSettings settings;
  settings.Port = host.HostPort();
  settings.WaitLimit = 2000ms;
  settings.WhileWaiting = [&] { host.Poll(); };
  std::vector<std::unique_ptr<TTcpSession>> clients;
  for (int i = 1; i <= 20; ++i) {
    auto client = std::make_unique<TTcpSession>(settings);
    client->SetAddress("127.0.0.1");
    const bool joined = client->Join("FFF", std::to_string(i));
    EXPECT_EQ(joined, i < 20) << i;
    clients.push_back(std::move(client));
  }
  host.Poll();
  std::vector<TSessionPlayer> members = host.Players();
  ASSERT_EQ(members.size(), 20u);
  std::sort(members.begin(), members.end(), [](const auto& a, const auto& b) { return a.Id < b.Id; });
  EXPECT_NE(members.front().Id, 0u);
  const auto sameId = [](const auto& a, const auto& b) { return a.Id == b.Id; };
  EXPECT_EQ(std::adjacent_find(members.begin(), members.end(), sameId), members.end());
}

}  // namespace
