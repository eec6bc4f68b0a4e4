// The TCP session service by itself: who hears what, in which order, and how much per poll.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <memory>
#include <thread>

#include "platform/session_tcp.h"
#include "tests/support/raw_tcp.h"

namespace {

struct TLog final : public ISessionEvents {
  struct TMessage {
    TSessionPlayerId From = 0;
    std::string Block;
  };
  void PlayerAdded(const TSessionPlayer& player) override {
    Added.push_back(player);
    Order += 'A';
  }
  void MessageReceived(TSessionPlayerId from, std::string_view block) override {
    Messages.push_back({from, std::string(block)});
    Order += 'M';
  }
  void JoinEnded(bool joined) override {
    Joins.push_back(joined);
    Order += 'J';
  }
  std::vector<TSessionPlayer> Added;
  std::vector<TMessage> Messages;
  std::vector<bool> Joins;  // the outcomes of BeginJoin
  std::string Order;        // A, M and J in the order they came
};

bool Ipv6Loopback() {
  const int socket = ::socket(AF_INET6, SOCK_STREAM, 0);
  if (socket < 0) return false;
  sockaddr_in6 address{};
  address.sin6_family = AF_INET6;
  address.sin6_addr = in6addr_loopback;
  const bool bound = ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  ::close(socket);
  return bound;
}

class SessionService : public ::testing::Test {
protected:
  SessionService() {
    TTcpSessionSettings settings;
    settings.Port = 0;
    Host = std::make_unique<TTcpSession>(settings);
    Host->SetEvents(&HostLog);
  }

  // Joins the host with the given name; the host is served while the joiner waits.
  TTcpSession& Join(const std::string& name, TLog& log, const std::string& address = "127.0.0.1") {
    TTcpSessionSettings settings;
    settings.Port = Host->HostPort();
    settings.WhileWaiting = [this] { Host->Poll(); };
    Clients.push_back(std::make_unique<TTcpSession>(settings));
    TTcpSession& client = *Clients.back();
    client.SetEvents(&log);
    client.SetAddress(address);
    EXPECT_EQ(client.EnumSessions(), std::vector<std::string>{"FFF"});
    EXPECT_TRUE(client.Join("FFF", name));
    return client;
  }

  // Polls everyone until `done` holds (bounded).
  bool PollUntil(const std::function<bool()>& done, int polls = 5000) {
    for (int i = 0; i < polls && !done(); ++i) {
      Host->Poll();
      for (auto& client : Clients) {
        if (client) client->Poll();
      }
    }
    return done();
  }

  TLog HostLog;
  std::unique_ptr<TTcpSession> Host;
  std::vector<std::unique_ptr<TTcpSession>> Clients;
};

TEST_F(SessionService, MembersAreAnnouncedOwnFirstThenLaterJoiners) {
  EXPECT_EQ(Host->Providers(), std::vector<std::string>{"TCP/IP"});
  EXPECT_TRUE(Host->SelectProvider("TCP/IP"));
  ASSERT_TRUE(Host->Host("FFF", "SERVER"));
  ASSERT_EQ(HostLog.Added.size(), 1u);  // within Host
  EXPECT_EQ(HostLog.Added[0].Name, "SERVER");
  EXPECT_FALSE(Host->Host("FFF", "SERVER"));  // one session at a time

  TLog firstLog;
  TLog secondLog;
  TTcpSession& first = Join("111", firstLog);
  ASSERT_EQ(firstLog.Added.size(), 1u);
  EXPECT_EQ(firstLog.Added[0].Name, "111");
  Join("222", secondLog);
  ASSERT_TRUE(PollUntil([&] { return HostLog.Added.size() == 3 && firstLog.Added.size() == 2; }));
  EXPECT_EQ(firstLog.Added[1].Name, "222");
  EXPECT_EQ(secondLog.Added.size(), 1u);  // the members already there are listed, not announced
  ASSERT_EQ(first.Players().size(), 3u);
  EXPECT_EQ(first.Players()[0].Name, "SERVER");

  Clients[1].reset();
  ASSERT_TRUE(PollUntil([&] { return first.Players().size() == 2 && Host->Players().size() == 2; }));
}

TEST_F(SessionService, DeliveryIsOrderedLosslessAndAddressed) {
  ASSERT_TRUE(Host->Host("FFF", "SERVER"));
  const TSessionPlayerId hostId = Host->Players()[0].Id;
  TLog firstLog;
  TLog secondLog;
  TTcpSession& first = Join("1", firstLog);
  TTcpSession& second = Join("2", secondLog);
  ASSERT_TRUE(PollUntil([&] { return HostLog.Added.size() == 3; }));
  const TSessionPlayerId firstId = Host->Players()[1].Id;
  const TSessionPlayerId secondId = Host->Players()[2].Id;

  // To oneself: inside the send, never over the network.
  first.Send(firstId, "self");
  ASSERT_EQ(firstLog.Messages.size(), 1u);
  EXPECT_EQ(firstLog.Messages[0].From, firstId);
  firstLog.Messages.clear();

  constexpr int Count = 300;
  for (int i = 0; i < Count; ++i) Host->Send(ISession::ToAll, "h" + std::to_string(i));
  first.Send(secondId, "only for the second");
  first.Send(ISession::ToAll, "for all but the first");
  second.Send(hostId, "only for the host");
  Host->Poll();
  second.Poll();
  EXPECT_LE(secondLog.Messages.size(), 64u);  // a burst is handed out over several polls
  ASSERT_TRUE(PollUntil([&] { return secondLog.Messages.size() == Count + 2 && firstLog.Messages.size() == Count; }));
  for (int i = 0; i < Count; ++i) {
    EXPECT_EQ(secondLog.Messages[i].Block, "h" + std::to_string(i));
    EXPECT_EQ(secondLog.Messages[i].From, hostId);
  }
  std::vector<std::string> extra{secondLog.Messages[Count].Block, secondLog.Messages[Count + 1].Block};
  EXPECT_EQ(extra, (std::vector<std::string>{"only for the second", "for all but the first"}));
  EXPECT_EQ(secondLog.Messages[Count].From, firstId);
  // Two senders' blocks may reach the host in either order.
  ASSERT_TRUE(PollUntil([&] { return HostLog.Messages.size() == 2; }));
  std::map<std::string, TSessionPlayerId> senders;
  for (const TLog::TMessage& message : HostLog.Messages) senders[message.Block] = message.From;
  EXPECT_EQ(senders, (std::map<std::string, TSessionPlayerId>{{"for all but the first", firstId},
                                                              {"only for the host", secondId}}));
  EXPECT_EQ(firstLog.Messages.size(), static_cast<std::size_t>(Count));
}

TEST_F(SessionService, AClosedSessionSendsNothing) {
  ASSERT_TRUE(Host->Host("FFF", "SERVER"));
  TLog log;
  TTcpSession& client = Join("1", log);
  Host->Close();
  EXPECT_FALSE(Host->Active());
  Host->Send(ISession::ToAll, "nobody");
  ASSERT_TRUE(PollUntil([&] { return !client.Active(); }));
  client.Send(ISession::ToAll, "nobody");
  EXPECT_TRUE(log.Messages.empty());
  // The port can be opened again.
  EXPECT_TRUE(Host->Host("FFF", "SERVER"));
}

TEST_F(SessionService, TheHostIsFoundByNameAndByIpv6Literal) {
  ASSERT_TRUE(Host->Host("FFF", "SERVER"));
  std::vector<TLog> logs(3);
  Join("by name", logs[0], "localhost");
  if (Ipv6Loopback()) Join("by IPv6", logs[1], "::1");
  TTcpSessionSettings settings;
  settings.Port = Host->HostPort();
  TTcpSession stray(settings);
  stray.SetAddress("no-such-host.invalid");
  EXPECT_TRUE(stray.EnumSessions().empty());
  EXPECT_FALSE(stray.Join("FFF", "nowhere"));
  ASSERT_TRUE(PollUntil([&] { return HostLog.Added.size() == Clients.size() + 1; }));
  EXPECT_EQ(Host->Players().size(), Clients.size() + 1);
}

// A join begun without waiting, polled along with the host as the window's ticks would.
class SessionJoinWithoutWaiting : public SessionService {
protected:
  TTcpSession& Joiner(std::uint16_t port, std::chrono::milliseconds waitLimit = std::chrono::seconds(5)) {
    TTcpSessionSettings settings;
    settings.Port = port;
    settings.WaitLimit = waitLimit;
    Clients.push_back(std::make_unique<TTcpSession>(settings));
    Clients.back()->SetEvents(&Log);
    return *Clients.back();
  }

  // Polls everyone, a millisecond apart, until the joiner has heard how its join ended
  // (bounded far beyond any wait limit here).
  bool PollUntilJoinEnds() {
    for (int i = 0; i < 20000 && Log.Joins.empty(); ++i) {
      PollUntil([] { return false; }, 1);
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return !Log.Joins.empty();
  }

  TLog Log;
};

TEST_F(SessionJoinWithoutWaiting, ByNameItJoinsThenHearsTheHostInOrder) {
  ASSERT_TRUE(Host->Host("FFF", "SERVER"));
  TTcpSession& client = Joiner(Host->HostPort());
  client.SetAddress("localhost");
  ASSERT_TRUE(client.BeginJoin("4242"));
  EXPECT_TRUE(Log.Order.empty()) << "nothing before a poll";
  EXPECT_FALSE(client.Active());
  EXPECT_FALSE(client.BeginJoin("4243")) << "one attempt at a time";
  EXPECT_FALSE(client.Join("FFF", "4243"));
  EXPECT_TRUE(client.EnumSessions().empty());

  // The host greets the new member at once; its words come after the join is told.
  ASSERT_TRUE(PollUntil([&] {
    if (HostLog.Added.size() == 2 && Host->Players().size() == 2) Host->Send(Host->Players()[1].Id, "hello");
    return !Log.Messages.empty();
  }));
  EXPECT_EQ(Log.Order.substr(0, 3), "AJM");
  EXPECT_EQ(Log.Joins, std::vector<bool>{true});
  ASSERT_EQ(Log.Added.size(), 1u);
  EXPECT_EQ(Log.Added[0].Name, "4242");
  EXPECT_TRUE(client.Active());
  ASSERT_EQ(client.Players().size(), 2u);
  EXPECT_EQ(client.Players()[0].Name, "SERVER");
  EXPECT_FALSE(client.BeginJoin("4243")) << "already in a session";
  EXPECT_FALSE(Host->BeginJoin("4243")) << "hosting";
}

TEST_F(SessionJoinWithoutWaiting, AHostThatNeverAnswersLeavesEveryPollFreeUntilTheLimit) {
  TRawTcp silent;
  const std::uint16_t port = silent.Listen();
  ASSERT_NE(port, 0);
  TTcpSession& client = Joiner(port);
  client.SetAddress("127.0.0.1");
  ASSERT_TRUE(client.BeginJoin("1"));
  // Each poll returns at once: had one waited for the host, the five seconds would be over.
  for (int i = 0; i < 1000; ++i) client.Poll();
  EXPECT_TRUE(Log.Order.empty());

  TTcpSession& hurried = Joiner(port, std::chrono::milliseconds(50));
  hurried.SetAddress("127.0.0.1");
  ASSERT_TRUE(hurried.BeginJoin("2"));
  ASSERT_TRUE(PollUntilJoinEnds());
  EXPECT_EQ(Log.Order, "J");
  EXPECT_EQ(Log.Joins, std::vector<bool>{false});
  EXPECT_FALSE(hurried.Active());
}

TEST_F(SessionJoinWithoutWaiting, WhereNoHostIsItEndsInFailure) {
  const std::uint16_t closedPort = TRawTcp::ClosedPort();
  ASSERT_NE(closedPort, 0);
  for (const char* address : {"127.0.0.1", "localhost", "no-such-host.invalid", ""}) {
    SCOPED_TRACE(address);
    Log = {};
    TTcpSession& client = Joiner(closedPort);
    client.SetAddress(address);
    ASSERT_TRUE(client.BeginJoin("1"));
    ASSERT_TRUE(PollUntilJoinEnds());
    EXPECT_EQ(Log.Order, "J");
    EXPECT_EQ(Log.Joins, std::vector<bool>{false});
    EXPECT_FALSE(client.Active());
    // A failed attempt leaves the session free for the next.
    EXPECT_TRUE(client.BeginJoin("1"));
    client.CancelJoin();
  }
}

// Whether it is resolving, connecting or waiting for the host, an attempt given up is heard
// of no more, and the session can join again.
TEST_F(SessionJoinWithoutWaiting, AnAttemptGivenUpAtAnyStageIsHeardOfNoMore) {
  ASSERT_TRUE(Host->Host("FFF", "SERVER"));
  TRawTcp silent;
  const std::uint16_t silentPort = silent.Listen();
  ASSERT_NE(silentPort, 0);
  struct TCase {
    const char* Stage;
    std::uint16_t Port;
    const char* Address;
    int PollsFirst;  // of everyone, before giving up
    bool ByClose;
  };
  const TCase cases[] = {
      {"resolving the name", Host->HostPort(), "localhost", 0, false},
      {"connecting", Host->HostPort(), "127.0.0.1", 0, false},
      {"waiting for a silent host", silentPort, "127.0.0.1", 200, false},
      {"waiting for a silent host, closed", silentPort, "127.0.0.1", 200, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Stage);
    Log = {};
    TTcpSession& client = Joiner(c.Port);
    client.SetAddress(c.Address);
    ASSERT_TRUE(client.BeginJoin("7"));
    for (int i = 0; i < c.PollsFirst; ++i) PollUntil([] { return false; }, 1);
    if (c.ByClose)
      client.Close();
    else
      client.CancelJoin();
    EXPECT_FALSE(client.Active());
    PollUntil([] { return false; }, 300);
    EXPECT_TRUE(Log.Order.empty()) << Log.Order;

    EXPECT_TRUE(client.BeginJoin("8"));
    client.SetAddress("127.0.0.1");
    client.CancelJoin();
  }
  // The host dropped every joiner that went away.
  EXPECT_TRUE(PollUntil([&] { return Host->Players().size() == 1; }));
}

}  // namespace
