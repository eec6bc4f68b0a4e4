// Two and three game controllers playing over real loopback connections.
#include <gtest/gtest.h>

#include "tests/game/game_test_access.h"
#include "tests/net/net_machines.h"

namespace {

std::vector<std::int32_t> Kinds(const TNetMachine& machine) {
  std::vector<std::int32_t> kinds;
  for (const auto& received : machine.Recorder.Received) kinds.push_back(received.Message.Kind);
  return kinds;
}

// The throws a machine received from the host: five face codes each.
std::vector<std::string> Throws(const TNetMachine& machine) {
  std::vector<std::string> throws;
  for (const auto& received : machine.Recorder.Received) {
    if (received.Message.Kind == gmThrow && !received.Message.Text.empty()) throws.push_back(received.Message.Text);
  }
  return throws;
}

// Plays for the local humans of every machine: throws until the turn holds 100 points,
// then records; stops after `turns` recorded turns.
bool PlayTurns(TNetTable& table, int turns) {
  int recorded = 0;
  for (auto& machine : table.Machines) machine->Loop.SetEventSink({});
  table.Host().Loop.SetEventSink([&](const TStepEvents& events) { recorded += events.TurnRecorded ? 1 : 0; });
  return table.RunUntil([&] {
    for (auto& machine : table.Machines) {
      if (!machine->LocalHumanToMove()) continue;
      const TGame& game = machine->Game;
      const bool canRecord = game.Buttons()[TTableButtons::Cancel].State() == TButtonState::Normal;
      machine->Loop.PressButton(game.TurnScore() >= 100 && canRecord ? TTableButtons::Cancel : TTableButtons::Do);
    }
    return recorded >= turns;
  }, 20000);
}

class NetPlay : public ::testing::Test {
protected:
  void SetUp() override {
    Table.Host().AddPlayer("Host1");
    Table.Host().AddPlayer("Host2");
    ASSERT_TRUE(Table.StartHost());
    SetRule(Table.Host().Game, &TGameOptions::NEEDENTERGAME, false);
  }

  void StartFromHost() {
    TNetMachine& host = Table.Host();
    Table.Tick();  // the host learns it is the host
    host.Game.UpdateButtons();
    ASSERT_TRUE(host.Loop.PressButton(TTableButtons::Start));
    ASSERT_TRUE(Table.RunUntil([&] { return Table.Same() && !host.Game.GameOver(); }));
  }

  TNetTable Table;
};

TEST_F(NetPlay, AJoinerGetsRulesPlayersAndStateInOrderAndLosesItsOwnPlayers) {
  TNetMachine& host = Table.Host();
  StartFromHost();
  host.Loop.PressButton(TTableButtons::Do);
  ASSERT_TRUE(Table.RunUntil([&] { return host.Game.ThrowPending(); }));

  TTcpSessionSettings settings;
  settings.Port = host.Session.HostPort();
  settings.WhileWaiting = [&] { host.Session.Poll(); };
  TNetMachine joiner(settings, {});
  joiner.AddPlayer("Mine");
  ASSERT_TRUE(joiner.Loop.JoinGame("127.0.0.1"));
  EXPECT_EQ(joiner.Game.Players().Count(), 0);
  for (int tick = 0; tick < 50 && joiner.Recorder.Received.size() < 4; ++tick) {
    host.Session.Poll();
    joiner.Session.Poll();
  }
  EXPECT_EQ(Kinds(joiner), (std::vector<std::int32_t>{gmRules, gmPlayerAdded, gmPlayerAdded, gmState}));
  EXPECT_FALSE(joiner.Game.NetHost());
  EXPECT_EQ(joiner.Game.ServerId(), host.Session.Players().front().Id);
  ASSERT_EQ(joiner.Game.Players().Count(), 2);
  EXPECT_EQ(joiner.Game.Players().Player(1).FName, "Host2");
  EXPECT_FALSE(joiner.Game.Players().Player(0).FLocal);
  EXPECT_EQ(joiner.Game.Options().NEEDENTERGAME, false);

  // The host's throw was still rolling: both score it the same way.
  // The joiner's dice stand still at once, so its pause may start earlier: wait for both.
  const auto busy = [](const TGame& game) { return game.ThrowPending() || game.PassDelay() != 0; };
  for (int tick = 0; tick < 400 && (busy(host.Game) || busy(joiner.Game)); ++tick) {
    host.Tick();
    joiner.Tick();
  }
  EXPECT_EQ(joiner.Game.StateToString(), host.Game.StateToString());
}

TEST_F(NetPlay, ThreeMachinesPlayTheSameThrowsAndTurns) {
  TNetMachine* first = Table.Join();
  TNetMachine* second = Table.Join();
  ASSERT_TRUE(first && second);
  ASSERT_TRUE(Table.RunUntil([&] { return Table.Same(); }));
  first->AddPlayer("First");
  second->AddPlayer("Second");
  ASSERT_TRUE(Table.RunUntil([&] { return Table.Host().Game.Players().Count() == 4 && Table.Same(); }));
  StartFromHost();
  EXPECT_EQ(Table.Host().Session.Players().size(), 3u);

  ASSERT_TRUE(PlayTurns(Table, 8));
  ASSERT_TRUE(Table.RunUntil([&] { return Table.Settled(); }));
  EXPECT_FALSE(Throws(*first).empty());
  EXPECT_EQ(Throws(*first), Throws(*second));
  int points = 0;
  for (int i = 0; i < 4; ++i) points += std::abs(Table.Host().Game.Players().Player(i).Total());
  EXPECT_GT(points, 0);
  // Each machine plays only its own players.
  EXPECT_TRUE(first->Game.Players().Player(2).FLocal);
  EXPECT_FALSE(second->Game.Players().Player(2).FLocal);
}

TEST_F(NetPlay, AClientThatFallsBehindCatchesUpThroughAWholeTurn) {
  TNetMachine* client = Table.Join();
  ASSERT_TRUE(client);
  StartFromHost();
  TNetMachine& host = Table.Host();
  // The host plays a turn on its own; the client only ticks once it is over, so each throw
  // arrives while the one before still rolls there.
  for (int throws = 0; throws < 3 && host.Game.PassDelay() == 0; ++throws) {
    const auto waiting = [&] { return host.Game.Buttons()[TTableButtons::Do].State() != TButtonState::Normal; };
    for (int tick = 0; tick < 400 && waiting(); ++tick) host.Tick();
    if (!host.Loop.PressButton(TTableButtons::Do)) break;
    for (int tick = 0; tick < ButtonPressTicks + 2; ++tick) host.Tick();
    client->Session.Poll();
  }
  EXPECT_GE(Throws(*client).size(), 2u);
  ASSERT_TRUE(Table.RunUntil([&] { return Table.Settled(); }));
}

TEST_F(NetPlay, PlayersAddedAndDeletedOnAClientReachEveryMachine) {
  TNetMachine* first = Table.Join();
  TNetMachine* second = Table.Join();
  ASSERT_TRUE(first && second);
  first->AddPlayer("Added");
  ASSERT_TRUE(Table.RunUntil([&] { return second->Game.Players().Count() == 3 && Table.Same(); }));
  EXPECT_TRUE(first->Game.Players().Player(2).FLocal);
  EXPECT_FALSE(Table.Host().Game.Players().Player(2).FLocal);
  first->Loop.DeletePlayer(0);
  ASSERT_TRUE(Table.RunUntil([&] { return second->Game.Players().Count() == 2 && Table.Same(); }));
  EXPECT_EQ(Table.Host().Game.Players().Player(0).FName, "Host2");
}

// Without the rule that only a computer's own machine presses for it, every machine would
// send a request per decision and the host would throw once for each.
TEST(NetComputer, AComputerPlayerThrowsOncePerDecision) {
  TNetTable table(TLoopPacing{.ComputerPressDelay = 2});
  ASSERT_TRUE(table.StartHost());
  TNetMachine* owner = table.Join();
  TNetMachine* watcher = table.Join();
  ASSERT_TRUE(owner && watcher);
  owner->AddPlayer("Robot", PlayerKindComputer);
  ASSERT_TRUE(table.RunUntil([&] { return watcher->Game.Players().Count() == 1; }));
  table.Host().Game.UpdateButtons();
  ASSERT_TRUE(table.Host().Loop.PressButton(TTableButtons::Start));
  // A lone computer plays until it wins.
  ASSERT_TRUE(table.RunUntil([&] { return !table.Host().Game.GameOver(); }));
  ASSERT_TRUE(table.RunUntil([&] { return table.Host().Game.GameOver(); }, 100000));
  ASSERT_TRUE(table.RunUntil([&] { return table.Settled(); }));

  const TSessionPlayerId ownerId = table.Host().Session.Players()[1].Id;  // members in joining order
  int requests = 0;
  for (const auto& received : table.Host().Recorder.Received) {
    if (received.Message.Kind != gmThrow && received.Message.Kind != gmBank) continue;
    EXPECT_EQ(received.From, ownerId);
    ++requests;
  }
  int answers = 0;
  for (const auto& received : watcher->Recorder.Received) {
    answers += received.Message.Kind == gmThrow || received.Message.Kind == gmBank ? 1 : 0;
  }
  EXPECT_GT(requests, 3);
  EXPECT_EQ(requests, answers);
  EXPECT_EQ(watcher->Game.Players().Player(0).FScore, 1000);
}

}  // namespace
