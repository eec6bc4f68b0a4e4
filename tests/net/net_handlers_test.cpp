#include <gtest/gtest.h>

#include "net/net_table_loop.h"
#include "tests/game/game_fixture.h"
#include "tests/support/fake_session.h"

namespace {

std::string Faces(std::initializer_list<int> faces) {
  std::string text;
  for (const int face : faces) text += static_cast<char>(face);
  return text;
}

class NetHandlers : public ::testing::Test {
protected:
  NetHandlers() {
    Loop.SetEventSink([this](const TStepEvents& events) { Reported.push_back(events); });
  }

  // This machine as the host (its own member is "SERVER", id 1) or as a client (id 9, the
  // host's member id 5).
  void BecomeHost() {
    ASSERT_TRUE(Loop.HostGame("127.0.0.1"));
  }
  void BecomeClient() {
    Session.Self = {9, "31337"};
    Session.Members = {{5, "SERVER"}, {9, "31337"}};
    ASSERT_TRUE(Loop.JoinGame("127.0.0.1"));
  }

  void AddPlayers(std::initializer_list<std::pair<std::uint8_t, bool>> kindsAndLocal) {
    for (const auto& [kind, local] : kindsAndLocal) {
      TPlayer player;
      player.FName = "P" + std::to_string(F.Game.Players().Count());
      player.FKind = kind;
      player.FLocal = local;
      F.Game.AddPlayer(player);
    }
  }

  void Receive(std::int32_t kind, std::string_view text = {}) { Loop.MessageReceived(5, PackGameMessage(kind, text)); }

  int StepUntil(const std::function<bool()>& done, int cap = 2000) {
    int steps = 0;
    for (; !done() && steps < cap; ++steps) Loop.TableStep();
    return steps;
  }

  std::vector<TGameMessage> SentTo(TSessionPlayerId to) const {
    std::vector<TGameMessage> messages;
    for (const TFakeSession::TSent& sent : Session.Sent) {
      if (sent.To == to) messages.push_back(*UnpackGameMessage(sent.Block));
    }
    return messages;
  }

  TGameFixture F;
  TFakeSession Session;
  TNetTableLoop Loop{F.Game, Session};
  std::vector<TStepEvents> Reported;
};

TEST(RulesEditable, AlwaysInALocalGameOnlyOnTheHostBetweenGames) {
  struct TCase {
    const char* Name;
    bool Net;
    bool Host;
    bool InGame;
    bool Editable;
  };
  for (const TCase c : {TCase{"local, between games", false, false, false, true},
                        TCase{"local, in a game", false, false, true, true},
                        TCase{"host, between games", true, true, false, true},
                        TCase{"host, in a game", true, true, true, false},
                        TCase{"client, between games", true, false, false, false},
                        TCase{"client, in a game", true, false, true, false}}) {
    SCOPED_TRACE(c.Name);
    TGameFixture f;
    f.Start(2);
    if (!c.InGame) f.Game.FinishGame();
    if (c.Net) f.Game.StartNetGame();
    if (c.Host) f.Game.BecomeNetHost();
    EXPECT_EQ(f.Game.RulesEditable(), c.Editable);
  }
}

TEST_F(NetHandlers, HostingKeepsTheGameAndMarksThisMachineTheHost) {
  F.Start(2);
  BecomeHost();
  EXPECT_TRUE(F.Game.NetGame());
  EXPECT_TRUE(F.Game.NetHost());
  EXPECT_EQ(F.Game.ServerId(), 1u);
  EXPECT_EQ(F.Game.Players().Count(), 2);
  EXPECT_FALSE(F.Game.GameOver());
  EXPECT_EQ(Session.Address, "127.0.0.1");
}

TEST_F(NetHandlers, AFailedHostLeavesTheGameLocal) {
  Session.HostSucceeds = false;
  EXPECT_FALSE(Loop.HostGame("10.0.0.1"));
  EXPECT_FALSE(F.Game.NetGame());
}

TEST_F(NetHandlers, JoiningDropsThePlayersAndFindsTheHost) {
  F.Start(2);
  BecomeClient();
  EXPECT_TRUE(F.Game.NetGame());
  EXPECT_FALSE(F.Game.NetHost());
  EXPECT_EQ(F.Game.ServerId(), 5u);
  EXPECT_EQ(F.Game.Players().Count(), 0);
  EXPECT_TRUE(F.Game.GameOver());
  EXPECT_EQ(Session.JoinedSession, "FFF");
  const int name = std::stoi(Session.JoinedAs);
  EXPECT_GE(name, 0);
  EXPECT_LT(name, TNetTableLoop::JoinNameRange);
  EXPECT_EQ(std::to_string(name), Session.JoinedAs);
}

// Any joiner may give itself the host's name; only this machine's own member decides.
TEST_F(NetHandlers, ALaterMemberCalledServerMakesNoSecondHost) {
  BecomeClient();
  Loop.PlayerAdded({12, "SERVER"});
  EXPECT_FALSE(F.Game.NetHost());
  EXPECT_EQ(F.Game.ServerId(), 5u);

  // Joining again after hosting starts from scratch: the new own member decides.
  TFakeSession other;
  TNetTableLoop loop(F.Game, other);
  ASSERT_TRUE(loop.HostGame("127.0.0.1"));
  EXPECT_TRUE(F.Game.NetHost());
  other.Self = {9, "31337"};
  other.Members = {{5, "SERVER"}, {9, "31337"}};
  ASSERT_TRUE(loop.JoinGame("127.0.0.1"));
  EXPECT_FALSE(F.Game.NetHost());
  EXPECT_EQ(F.Game.ServerId(), 5u);
}

// The window's join: the players go at once, the outcome comes with a later poll, and an
// attempt given up comes to nothing.
TEST_F(NetHandlers, AJoinWithoutWaitingEndsWithTheSessionsAnswer) {
  enum class TEnd { Joined, Refused, GivenUp };
  for (const TEnd end : {TEnd::Joined, TEnd::Refused, TEnd::GivenUp}) {
    SCOPED_TRACE(static_cast<int>(end));
    TGameFixture f;
    f.Start(2);
    TFakeSession session;
    session.Self = {9, "31337"};
    session.Members = {{5, "SERVER"}, {9, "31337"}};
    session.JoinSucceeds = end != TEnd::Refused;
    session.JoinAnswers = end != TEnd::GivenUp;
    TNetTableLoop loop(f.Game, session);
    ASSERT_TRUE(loop.BeginJoin("host.lan"));
    EXPECT_EQ(session.Address, "host.lan");
    EXPECT_EQ(f.Game.Players().Count(), 0);
    EXPECT_TRUE(f.Game.GameOver());
    EXPECT_TRUE(loop.Joining());
    EXPECT_FALSE(loop.BeginJoin("host.lan")) << "one at a time";
    EXPECT_TRUE(loop.Joining());
    EXPECT_FALSE(f.Game.NetGame());
    const int joinName = std::stoi(session.JoinedAs);
    EXPECT_GE(joinName, 0);
    EXPECT_LT(joinName, TNetTableLoop::JoinNameRange);

    session.Poll();
    if (end == TEnd::GivenUp) {
      EXPECT_TRUE(loop.Joining());
      loop.CancelJoin();
      session.JoinAnswers = true;
      session.Poll();
    }
    EXPECT_FALSE(loop.Joining());
    EXPECT_EQ(f.Game.NetGame(), end == TEnd::Joined);
    EXPECT_FALSE(f.Game.NetHost());
    EXPECT_EQ(f.Game.ServerId(), end == TEnd::Joined ? 5u : 0u);
  }
}

TEST_F(NetHandlers, AJoinWithoutASessionFailsButThePlayersAreGone) {
  F.Start(2);
  Session.Sessions.clear();
  EXPECT_FALSE(Loop.JoinGame("127.0.0.1"));
  EXPECT_FALSE(F.Game.NetGame());
  EXPECT_EQ(F.Game.Players().Count(), 0);
  Session.Sessions = {"FFF"};
  Session.JoinSucceeds = false;
  EXPECT_FALSE(Loop.JoinGame("127.0.0.1"));
  EXPECT_FALSE(F.Game.NetGame());
}

TEST_F(NetHandlers, TheHostGreetsAJoinerWithRulesPlayersAndState) {
  F.Start(2);
  F.SetTotal(1, 350);
  BecomeHost();
  Loop.PlayerAdded({7, "123"});
  const std::vector<TGameMessage> greeting = SentTo(7);
  ASSERT_EQ(greeting.size(), 4u);
  EXPECT_EQ(greeting[0].Kind, gmRules);
  EXPECT_EQ(greeting[0].Text, F.Game.OptionsToString());
  EXPECT_EQ(greeting[1].Kind, gmPlayerAdded);
  EXPECT_EQ(greeting[2].Text, F.Player(1).SaveToString());
  EXPECT_EQ(greeting[3].Kind, gmState);
  EXPECT_EQ(greeting[3].Text, F.Game.StateToString());
}

TEST_F(NetHandlers, AJoinerRebuildsTheHostsGameFromTheGreeting) {
  TGameFixture host(7);
  host.Start(2);
  host.SetTotal(0, 120);
  host.SetTotal(1, 455);
  SetRule(host.Game, &TGameOptions::DUMPTRUCKSCORE, 335);  // in range: packed rules are brought into the file's ranges
  BecomeClient();
  Receive(gmRules, host.Game.OptionsToString());
  for (int i = 0; i < 2; ++i) Receive(gmPlayerAdded, host.Player(i).SaveToString());
  Receive(gmState, host.Game.StateToString());
  EXPECT_EQ(F.Game.Options().DUMPTRUCKSCORE, 335);
  ASSERT_EQ(F.Game.Players().Count(), 2);
  EXPECT_EQ(F.Player(1).FScore, 455);
  EXPECT_EQ(F.Player(1).FScoreDelta, 0);
  EXPECT_FALSE(F.Player(0).FLocal);
  EXPECT_FALSE(F.Game.GameOver());
  EXPECT_EQ(F.Game.StateToString(), host.Game.StateToString());
  // Nobody here plays the current player: the turn buttons stay off, and so does start.
  EXPECT_EQ(F.Game.Buttons()[TTableButtons::Do].State(), TButtonState::Disabled);
  EXPECT_EQ(F.Game.Buttons()[TTableButtons::Start].State(), TButtonState::Disabled);
}

TEST_F(NetHandlers, TheHostsOwnThrowAndRecordAreCarriedOutWithinTheClick) {
  AddPlayers({{PlayerKindHuman, true}, {PlayerKindHuman, true}});
  BecomeHost();
  SetRule(F.Game, &TGameOptions::NEEDENTERGAME, false);  // any points may be recorded
  F.Game.UpdateButtons();
  ASSERT_TRUE(Loop.PressButton(TTableButtons::Start));
  StepUntil([&] { return !F.Game.GameOver(); });
  ASSERT_EQ(SentTo(ISession::ToAll).size(), 1u);
  EXPECT_EQ(SentTo(ISession::ToAll)[0].Kind, gmStart);

  F.FRandom.Seed(3);
  ASSERT_TRUE(Loop.PressButton(TTableButtons::Do));
  EXPECT_EQ(StepUntil([&] { return F.Game.ThrowPending(); }), ButtonPressTicks);
  const TGameMessage throwMessage = SentTo(ISession::ToAll).back();
  EXPECT_EQ(throwMessage.Kind, gmThrow);
  ASSERT_EQ(throwMessage.Text.size(), 5u);
  for (int i = 0; i < TGame::DiceCount; ++i) EXPECT_EQ(throwMessage.Text[i], F.Game.ThrowDice()[i].Face) << i;
  EXPECT_TRUE(F.Game.DiceMoving());
  EXPECT_EQ(F.Game.Buttons()[TTableButtons::Do].State(), TButtonState::Disabled);

  // Until a throw scores, play on; then record.
  for (int tries = 0; tries < 50 && F.Game.TurnScore() == 0; ++tries) {
    StepUntil([&] { return !F.Game.ThrowPending() && F.Game.PassDelay() == 0; });
    if (F.Game.TurnScore() > 0) break;
    StepUntil([&] { return F.Game.Buttons()[TTableButtons::Do].State() == TButtonState::Normal; });
    Loop.PressButton(TTableButtons::Do);
    StepUntil([&] { return F.Game.ThrowPending(); });
  }
  ASSERT_GT(F.Game.TurnScore(), 0);
  const int scorer = F.Game.CurrentPlayerIndex();
  const int turn = F.Game.TurnScore();
  ASSERT_TRUE(Loop.PressButton(TTableButtons::Cancel));
  StepUntil([&] { return F.Game.CurrentPlayerIndex() != scorer; }, ButtonPressTicks);
  EXPECT_EQ(F.Player(scorer).Total(), turn);
  EXPECT_EQ(SentTo(ISession::ToAll).back().Kind, gmBank);
  EXPECT_EQ(SentTo(1).size(), 0u);  // requests to itself never reach the network
}

TEST_F(NetHandlers, AClientsPressOnlyAsksTheHost) {
  BecomeClient();
  AddPlayers({{PlayerKindHuman, true}, {PlayerKindHuman, false}});
  Receive(gmStart);
  ASSERT_FALSE(F.Game.GameOver());
  ASSERT_TRUE(Loop.PressButton(TTableButtons::Do));
  StepUntil([] { return false; }, ButtonPressTicks + 1);
  EXPECT_FALSE(F.Game.ThrowPending());
  ASSERT_EQ(SentTo(5).size(), 1u);
  EXPECT_EQ(SentTo(5)[0].Kind, gmThrow);
  EXPECT_EQ(SentTo(5)[0].Text, "");
  // A second press cannot follow before the host answers.
  EXPECT_EQ(F.Game.Buttons()[TTableButtons::Do].State(), TButtonState::Disabled);
  EXPECT_FALSE(Loop.PressButton(TTableButtons::Do));
}

TEST_F(NetHandlers, AThrowArrivingWhileThePreviousRollsScoresThatOneFirst) {
  BecomeClient();
  AddPlayers({{PlayerKindHuman, false}, {PlayerKindHuman, false}});
  Receive(gmStart);
  Receive(gmThrow, Faces({1, 2, 3, 4, 6}));
  Loop.TableStep();
  ASSERT_TRUE(F.Game.DiceMoving());
  Receive(gmThrow, Faces({5, 5, 5, 2, 3}));  // the fifth face is for no die: four are free
  EXPECT_EQ(F.Game.TurnScore(), 10);
  EXPECT_EQ(F.Game.ThrowCount(), 4);
  EXPECT_TRUE(F.Game.DiceMoving());
  for (int i = 0; i < 4; ++i) EXPECT_EQ(F.Game.ThrowDice()[i].Face, (std::array{5, 5, 5, 2})[i]);
  Receive(gmBank);
  EXPECT_EQ(F.Player(0).Total(), 60);
  EXPECT_EQ(F.Game.CurrentPlayerIndex(), 1);
  ASSERT_FALSE(Reported.empty());
  EXPECT_TRUE(Reported.back().TurnRecorded);
}

TEST_F(NetHandlers, PlayersAddedAndDeletedByOtherMachines) {
  BecomeClient();
  AddPlayers({{PlayerKindHuman, true}});
  TPlayer remote;
  remote.FName = "Remote";
  remote.FKind = PlayerKindComputer;
  remote.FScore = 205;
  remote.FEntered = true;
  Receive(gmPlayerAdded, remote.SaveToString());
  ASSERT_EQ(F.Game.Players().Count(), 2);
  EXPECT_EQ(F.Player(1).FName, "Remote");
  EXPECT_FALSE(F.Player(1).FLocal);
  EXPECT_EQ(F.Player(1).FScore, 205);
  EXPECT_TRUE(F.Player(1).FEntered);
  EXPECT_EQ(F.Game.Buttons()[TTableButtons::Start].State(), TButtonState::Disabled);  // not the host

  Receive(gmPlayerDeleted, "0");
  ASSERT_EQ(F.Game.Players().Count(), 1);
  EXPECT_EQ(F.Player(0).FName, "Remote");
}

TEST_F(NetHandlers, ThePlayersScreenTellsTheOtherMachines) {
  TPlayer player;
  player.FName = "Local";
  EXPECT_EQ(Loop.AddPlayer(player), 0);
  Loop.DeletePlayer(0);
  EXPECT_TRUE(Session.Sent.empty());  // no network game yet

  BecomeHost();
  player.FLocal = false;
  Loop.AddPlayer(player);
  Loop.AddPlayer(player);
  EXPECT_TRUE(F.Player(1).FLocal);
  Loop.DeletePlayer(0);
  Loop.DeletePlayer(5);  // nobody there: nothing deleted, nothing sent
  const std::vector<TGameMessage> sent = SentTo(ISession::ToAll);
  ASSERT_EQ(sent.size(), 3u);
  EXPECT_EQ(sent[0].Kind, gmPlayerAdded);
  EXPECT_EQ(sent[0].Text, F.Player(0).SaveToString());
  EXPECT_EQ(sent[2].Kind, gmPlayerDeleted);
  EXPECT_EQ(sent[2].Text, "0");
}

// Six players fill the table on every machine: a seventh, from this machine's players screen
// or from another machine's message, is refused and nothing is passed on.
TEST(NetPlayerCap, ASeventhPlayerIsRefusedOnEveryPath) {
  struct TCase {
    const char* Name;
    bool Host;
    bool FromMessage;
  };
  for (const TCase c : {TCase{"host, a client's player", true, true}, TCase{"host, its own screen", true, false},
                        TCase{"client, the host's player", false, true},
                        TCase{"client, its own screen", false, false}}) {
    SCOPED_TRACE(c.Name);
    TGameFixture f;
    TFakeSession session;
    TNetTableLoop loop{f.Game, session};
    if (!c.Host) {
      session.Self = {9, "31337"};
      session.Members = {{5, "SERVER"}, {9, "31337"}};
    }
    ASSERT_TRUE(c.Host ? loop.HostGame("127.0.0.1") : loop.JoinGame("127.0.0.1"));
    TPlayer player;
    for (int i = 0; i < TPlayers::MaxPlayers; ++i) {
      player.FName = "P" + std::to_string(i);
      loop.MessageReceived(5, PackGameMessage(gmPlayerAdded, player.SaveToString()));
    }
    ASSERT_EQ(f.Game.Players().Count(), TPlayers::MaxPlayers);
    session.Sent.clear();

    player.FName = "Seventh";
    if (c.FromMessage) {
      loop.MessageReceived(5, PackGameMessage(gmPlayerAdded, player.SaveToString()));
    } else {
      EXPECT_EQ(loop.AddPlayer(player), -1);
    }
    EXPECT_EQ(f.Game.Players().Count(), TPlayers::MaxPlayers);
    EXPECT_EQ(f.Game.Players().Player(TPlayers::MaxPlayers - 1).FName, "P5");
    EXPECT_TRUE(session.Sent.empty());
  }
}

TEST_F(NetHandlers, AClientsPlayerChangesGoThroughTheHost) {
  BecomeClient();
  TPlayer player;
  player.FName = "Mine";
  EXPECT_EQ(Loop.AddPlayer(player), -1);
  EXPECT_EQ(F.Game.Players().Count(), 0);
  ASSERT_EQ(SentTo(5).size(), 1u);
  const std::string packed = SentTo(5)[0].Text;
  TPlayer other;
  other.FName = "Other";
  Receive(gmPlayerAdded, other.SaveToString());  // another machine's came first
  Receive(gmPlayerAdded, packed);
  ASSERT_EQ(F.Game.Players().Count(), 2);
  EXPECT_FALSE(F.Player(0).FLocal);
  EXPECT_TRUE(F.Player(1).FLocal);
  EXPECT_EQ(F.Player(1).FName, "Mine");

  Loop.DeletePlayer(0);
  EXPECT_EQ(F.Game.Players().Count(), 2);
  EXPECT_EQ(SentTo(5).back().Kind, gmPlayerDeleted);
  EXPECT_EQ(SentTo(5).back().Text, "0");
  EXPECT_TRUE(SentTo(ISession::ToAll).empty());
}

TEST_F(NetHandlers, TheHostPassesAClientsPlayerChangesToAll) {
  BecomeHost();
  TPlayer player;
  player.FName = "Theirs";
  Receive(gmPlayerAdded, player.SaveToString());
  Receive(gmPlayerDeleted, "3");  // nobody there: not passed on
  Receive(gmPlayerDeleted, "0");
  const std::vector<TGameMessage> sent = SentTo(ISession::ToAll);
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].Kind, gmPlayerAdded);
  EXPECT_EQ(sent[0].Text, player.SaveToString());
  EXPECT_EQ(sent[1].Kind, gmPlayerDeleted);
  EXPECT_EQ(F.Game.Players().Count(), 0);
}

// Only the machine a computer player sits at schedules its press; on the others its moves
// come from the host.
TEST_F(NetHandlers, AComputerPlayerMovesFromItsOwnMachineOnly) {
  BecomeClient();
  AddPlayers({{PlayerKindComputer, false}, {PlayerKindComputer, true}});
  Receive(gmStart);
  EXPECT_EQ(Loop.AutoPressDelay(), 0);
  Receive(gmThrow, Faces({1, 1, 1, 1, 1}));
  Receive(gmBank);
  ASSERT_EQ(F.Game.CurrentPlayerIndex(), 1);
  EXPECT_EQ(Loop.AutoPressDelay(), 40);
  StepUntil([&] { return !Session.Sent.empty(); }, 60);
  ASSERT_EQ(SentTo(5).size(), 1u);
  EXPECT_EQ(SentTo(5)[0].Kind, gmThrow);
}

TEST_F(NetHandlers, MessagesThatDoNotFitTheirKindChangeNothing) {
  BecomeClient();
  AddPlayers({{PlayerKindHuman, false}, {PlayerKindHuman, false}});
  Receive(gmStart);
  TPlayer whole;
  whole.FName = "Name";
  const std::vector<std::pair<std::int32_t, std::string>> cases{
      {0, ""},  {1, Faces({1, 2, 3, 4, 5})}, {9, ""}, {-1, ""}, {1 << 20, ""},
      {gmRules, F.Game.OptionsToString().substr(0, PackedOptionsSize - 1)},
      {gmState, F.Game.StateToString().substr(0, TGame::StateTextSize - 1)},
      {gmPlayerAdded, whole.SaveToString().substr(0, 17)},
      {gmPlayerAdded, ""},
      {gmPlayerDeleted, ""}, {gmPlayerDeleted, "x"}, {gmPlayerDeleted, "1x"}, {gmPlayerDeleted, " 1"},
      {gmPlayerDeleted, "-1"}, {gmPlayerDeleted, "2"}, {gmPlayerDeleted, "99999999999"},
      {gmThrow, Faces({1, 2, 3, 4})},
  };
  const std::string state = F.Game.StateToString();
  const std::string options = F.Game.OptionsToString();
  for (const auto& [kind, text] : cases) {
    Receive(kind, text);
    EXPECT_EQ(F.Game.StateToString(), state) << kind << " " << text.size();
    EXPECT_EQ(F.Game.OptionsToString(), options) << kind;
    EXPECT_EQ(F.Game.Players().Count(), 2) << kind;
  }
  Loop.MessageReceived(5, PackGameMessage(gmStart, "").substr(0, 100));
  Loop.MessageReceived(5, "");
  EXPECT_EQ(F.Game.StateToString(), state);
}

// Whatever a peer sends, the game never reads past it, crashes or loses its invariants.
TEST_F(NetHandlers, RandomTextsOfEveryKind) {
  for (const bool host : {true, false}) {
    TGameFixture game(host ? 11 : 12);
    TFakeSession session;
    TNetTableLoop loop(game.Game, session);
    if (host) {
      ASSERT_TRUE(loop.HostGame("127.0.0.1"));
    } else {
      ASSERT_TRUE(loop.JoinGame("127.0.0.1"));
    }
    game.Start(3);
    TSeededRandom noise(host ? 99 : 98);
    for (int round = 0; round < 3000; ++round) {
      std::string text(noise.Random(GameMessageTextLimit + 1), '\0');
      for (char& c : text) c = static_cast<char>(noise.Random(256));
      // Small numbers make deletions and current-player codes hit the list now and then.
      if (!text.empty() && noise.Random(2) == 0) text[0] = static_cast<char>('0' + noise.Random(4));
      loop.MessageReceived(5, PackGameMessage(noise.Random(11) - 1, text));
      for (int step = noise.Random(3); step > 0; --step) loop.TableStep();
      const int count = game.Game.Players().Count();
      ASSERT_GE(game.Game.CurrentPlayerIndex(), count == 0 ? -1 : 0);
      ASSERT_LT(game.Game.CurrentPlayerIndex(), std::max(count, 1));
      ASSERT_LE(count, TPlayers::MaxPlayers);
      if (count == 0) game.Start(3);
    }
  }
}

}  // namespace
