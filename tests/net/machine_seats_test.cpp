// The host's computer standing in for the players of a machine that left, and handing them
// back to the machine that comes back, over the fake session.
#include <gtest/gtest.h>

#include "game/message_texts.h"
#include "net/net_table_loop.h"
#include "net/seat_notice.h"
#include "tests/game/game_fixture.h"
#include "tests/support/fake_session.h"

namespace {

constexpr std::uint64_t kSevensIdentity = 0x7777;

class MachineSeats : public ::testing::Test {
protected:
  // The host (member 1) with its own person, then a person each of members 7 and 8; a game
  // under way with member 7's player to move.
  void HostAGameOfThree() {
    ASSERT_TRUE(Loop.HostGame("127.0.0.1"));
    TPlayer own;
    own.FName = "Host";
    Loop.AddPlayer(own);
    ClientAdds(7, "Seven");
    ClientAdds(8, "Eight");
    Loop.PlayerIdentified(7, kSevensIdentity);
    Loop.PlayerIdentified(8, 0x8888);
    F.Game.StartGame();
    F.Game.SetCurrentPlayer(1);
    Session.Sent.clear();
    Session.Notices.clear();
  }

  void ClientAdds(TSessionPlayerId member, const std::string& name) {
    TPlayer player;
    player.FName = name;
    Loop.MessageReceived(member, PackGameMessage(gmPlayerAdded, player.SaveToString()));
  }

  void Step(int ticks) {
    for (int i = 0; i < ticks; ++i) Loop.TableStep();
  }

  int ThrowsSent() const {
    int throws = 0;
    for (const TFakeSession::TSent& sent : Session.Sent) throws += UnpackGameMessage(sent.Block)->Kind == gmThrow;
    return throws;
  }

  std::string Notice(TSeatChange change, std::vector<int> players) { return PackSeatNotice({change, players}); }

  TGameFixture F;
  TFakeSession Session;
  TNetTableLoop Loop{F.Game, Session, {.ComputerPressDelay = 2}};
};

TEST_F(MachineSeats, TheHostsComputerTakesOverALeaversPlayerAndFinishesItsTurn) {
  HostAGameOfThree();
  Loop.PlayerRemoved(7);

  const TPlayer& seven = F.Game.Players().Player(1);
  EXPECT_TRUE(seven.FStandIn);
  EXPECT_TRUE(seven.FLocal);  // played here from now on
  EXPECT_FALSE(F.Game.Players().Player(0).FStandIn);
  EXPECT_FALSE(F.Game.Players().Player(2).FStandIn);
  EXPECT_EQ(F.Game.Message(), StandInMessage("Seven"));
  ASSERT_EQ(Session.Notices.size(), 1u);
  EXPECT_EQ(Session.Notices[0].To, ISession::ToAll);
  EXPECT_EQ(Session.Notices[0].Block, Notice(TSeatChange::TakenOver, {1}));
  // The person at this machine cannot play for it.
  EXPECT_EQ(F.Game.Buttons()[TTableButtons::Do].State(), TButtonState::Disabled);

  // The turn that waited for member 7 goes on at once, decided by the first level.
  Step(2 + ButtonPressTicks);
  EXPECT_EQ(ThrowsSent(), 1);

  // The same machine gone twice, or a machine without players, changes nothing more.
  Loop.PlayerRemoved(7);
  Loop.PlayerRemoved(42);
  EXPECT_EQ(Session.Notices.size(), 1u);
}

TEST_F(MachineSeats, OnlyTheSameIdentityGetsThePlayersBackAndEveryJoinerLearnsTheStandIns) {
  HostAGameOfThree();
  Loop.PlayerRemoved(7);
  Loop.PlayerRemoved(8);
  Session.Notices.clear();

  Loop.PlayerIdentified(9, 0x9999);  // a stranger's machine
  ASSERT_EQ(Session.Notices.size(), 1u);
  EXPECT_EQ(Session.Notices[0].To, 9u);
  EXPECT_EQ(Session.Notices[0].Block, Notice(TSeatChange::StandIns, {1, 2}));
  EXPECT_TRUE(F.Game.Players().Player(1).FStandIn);

  Session.Notices.clear();
  Loop.PlayerIdentified(10, kSevensIdentity);
  const TPlayer& seven = F.Game.Players().Player(1);
  EXPECT_FALSE(seven.FStandIn);
  EXPECT_FALSE(seven.FLocal);
  EXPECT_EQ(seven.FMachine, 10u);
  EXPECT_TRUE(F.Game.Players().Player(2).FStandIn);
  EXPECT_EQ(F.Game.Message(), ReturnedMessage("Seven"));
  const std::vector<TFakeSession::TSent> expected = {
      {10, Notice(TSeatChange::StandIns, {2})},
      {ISession::ToAll, Notice(TSeatChange::HandedBack, {1})},
      {10, Notice(TSeatChange::Yours, {1})},
  };
  ASSERT_EQ(Session.Notices.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(Session.Notices[i].To, expected[i].To) << i;
    EXPECT_EQ(Session.Notices[i].Block, expected[i].Block) << i;
  }

  // It leaves again: taken over again, and back again under its next member.
  Loop.PlayerRemoved(10);
  EXPECT_TRUE(F.Game.Players().Player(1).FStandIn);
  Loop.PlayerIdentified(11, kSevensIdentity);
  EXPECT_FALSE(F.Game.Players().Player(1).FStandIn);
  EXPECT_EQ(F.Game.Players().Player(1).FMachine, 11u);
}

// A machine can be back before its old connection is found gone.
TEST_F(MachineSeats, AMachineBackBeforeItsOldConnectionEndedKeepsItsPlayers) {
  HostAGameOfThree();
  Loop.PlayerIdentified(12, kSevensIdentity);
  EXPECT_EQ(F.Game.Players().Player(1).FMachine, 12u);
  Loop.PlayerRemoved(7);
  EXPECT_FALSE(F.Game.Players().Player(1).FStandIn);
  EXPECT_FALSE(F.Game.Players().Player(1).FLocal);
}

TEST_F(MachineSeats, APlayerHandedBackBeforeTheComputersPressIsPlayedByItsMachine) {
  HostAGameOfThree();
  Loop.PlayerRemoved(7);
  ASSERT_GT(Loop.AutoPressDelay(), 0);
  Loop.PlayerIdentified(10, kSevensIdentity);
  Step(30);
  EXPECT_EQ(ThrowsSent(), 0);

  // Only the machine that plays the player to move is answered.
  Loop.MessageReceived(8, PackGameMessage(gmThrow, {}));
  Loop.MessageReceived(7, PackGameMessage(gmBank, {}));
  EXPECT_EQ(ThrowsSent(), 0);
  EXPECT_EQ(F.Game.CurrentPlayerIndex(), 1);
  Loop.MessageReceived(10, PackGameMessage(gmThrow, {}));
  EXPECT_EQ(ThrowsSent(), 1);
}

class SeatNoticesOnAClient : public MachineSeats {
protected:
  void SetUp() override {
    Session.Self = {9, "31337"};
    Session.Members = {{5, "SERVER"}, {9, "31337"}};
    ASSERT_TRUE(Loop.JoinGame("127.0.0.1"));
    for (const char* name : {"A", "B", "C"}) {
      TPlayer player;
      player.FName = name;
      player.FLocal = false;
      F.Game.AddLoadedPlayer(player);
    }
    F.Game.StartGame();
    F.Game.SetCurrentPlayer(1);
  }

  std::vector<bool> StandIns() const {
    std::vector<bool> flags;
    for (int i = 0; i < F.Game.Players().Count(); ++i) flags.push_back(F.Game.Players().Player(i).FStandIn);
    return flags;
  }
};

TEST_F(SeatNoticesOnAClient, MarkTheStandInsAndGiveBackItsOwn) {
  EXPECT_NE(Session.Identity, 0u);  // joined with the program's identity

  Loop.NoticeReceived(Notice(TSeatChange::TakenOver, {1}));
  EXPECT_EQ(StandIns(), (std::vector<bool>{false, true, false}));
  EXPECT_FALSE(F.Game.Players().Player(1).FLocal);  // the host plays it, not this machine
  EXPECT_EQ(F.Game.Message(), StandInMessage("B"));

  Loop.NoticeReceived(Notice(TSeatChange::StandIns, {0, 2}));
  EXPECT_EQ(StandIns(), (std::vector<bool>{true, false, true}));

  Loop.NoticeReceived(Notice(TSeatChange::HandedBack, {0, 2}));
  EXPECT_EQ(StandIns(), (std::vector<bool>{false, false, false}));
  EXPECT_EQ(F.Game.Message(), ReturnedMessage("C"));
  EXPECT_EQ(F.Game.Buttons()[TTableButtons::Do].State(), TButtonState::Disabled);

  Loop.NoticeReceived(Notice(TSeatChange::Yours, {1}));
  EXPECT_TRUE(F.Game.Players().Player(1).FLocal);
  EXPECT_EQ(F.Game.Buttons()[TTableButtons::Do].State(), TButtonState::Normal);
}

TEST_F(SeatNoticesOnAClient, NoticesThatDoNotParseOrFitChangeNothing) {
  Loop.NoticeReceived(Notice(TSeatChange::TakenOver, {0}));
  const std::vector<std::string> blocks = {
      "",
      "X\x01",
      std::string("C\x06", 2),      // past any table
      std::string("Y\x01\xff", 3),  // one bad index spoils the notice
      std::string("C\x04\x05", 3),  // a table this size has no such players
  };
  for (const std::string& block : blocks) {
    Loop.NoticeReceived(block);
    EXPECT_EQ(StandIns(), (std::vector<bool>{true, false, false})) << testing::PrintToString(block);
    EXPECT_FALSE(F.Game.Players().Player(1).FLocal);
  }
}

// Without a host every other machine's player is this machine's computer alike.
TEST_F(SeatNoticesOnAClient, LosingTheHostMakesTheStandInsThisMachinesComputersWithoutTheMark) {
  Loop.NoticeReceived(Notice(TSeatChange::TakenOver, {1}));
  Loop.HostLost();
  EXPECT_EQ(StandIns(), (std::vector<bool>{false, false, false}));
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(F.Game.Players().Player(i).FLocal) << i;
    EXPECT_EQ(F.Game.Players().Player(i).FKind, PlayerKindComputer) << i;
  }
  EXPECT_GT(Loop.AutoPressDelay(), 0);  // the turn goes on here
}

TEST(SeatNotice, PacksAndUnpacksEveryChange) {
  for (const TSeatChange change :
       {TSeatChange::TakenOver, TSeatChange::HandedBack, TSeatChange::StandIns, TSeatChange::Yours}) {
    const TSeatNotice notice{change, {0, 5, 3}};
    const std::optional<TSeatNotice> back = UnpackSeatNotice(PackSeatNotice(notice));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Change, change);
    EXPECT_EQ(back->Players, notice.Players);
  }
  EXPECT_TRUE(UnpackSeatNotice("S"));  // no stand-ins at all
}

}  // namespace
