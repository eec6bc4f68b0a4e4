// Machines that leave a network game, over real loopback connections: one killed on its own
// player's turn, one gone quiet without closing anything, one that comes back.
#include <gtest/gtest.h>

#include "net/seat_notice.h"
#include "tests/net/net_machines.h"

namespace {

using namespace std::chrono_literals;

constexpr int kPlentyOfTicks = 1000000;  // the table's time limit ends a run that hangs

TTcpSessionSettings QuickToNoticeSilence() {
  TTcpSessionSettings settings;
  settings.KeepAliveInterval = 20ms;
  settings.SilenceLimit = 300ms;
  return settings;
}

// A person who throws until something can be recorded and then records.
void PlayPerson(TNetMachine& machine) {
  const TGame& game = machine.Game;
  if (!machine.LocalHumanToMove() || game.DiceMoving() || game.ThrowPending()) return;
  if (!machine.Loop.PressButton(TTableButtons::Cancel)) machine.Loop.PressButton(TTableButtons::Do);
}

// The host and the second client seat computers; between them, the first client seats a
// person ("Person", index 1). The game is started and waits for the person's first move.
class MachineLeaves : public ::testing::Test {
protected:
  void SetUp() override {
    Host.AddPlayer("Host", PlayerKindComputer);
    ASSERT_TRUE(Table.StartHost());
    Leaver = Table.Join();
    ASSERT_TRUE(Leaver);
    Leaver->AddPlayer("Person");
    Stayer = Table.Join();
    ASSERT_TRUE(Stayer);
    Stayer->AddPlayer("Stayer", PlayerKindComputer);
    ASSERT_TRUE(Table.RunUntil([&] { return Host.Game.Players().Count() == 3 && Table.Same(); }));
    Host.Game.UpdateButtons();
    ASSERT_TRUE(Host.Loop.PressButton(TTableButtons::Start));
    ASSERT_TRUE(Table.RunUntil([&] { return Leaver->LocalHumanToMove() && Table.Settled(); }));
  }

  bool StandInEverywhere(bool standIn) {
    for (auto& machine : Table.Machines) {
      if (!machine) continue;
      const TPlayers& players = machine->Game.Players();
      if (players.Count() != 3 || players.Player(1).FStandIn != standIn) return false;
    }
    return true;
  }

  // Plays on, the person included while its machine is at the table, to a winner.
  bool PlayToTheEnd() {
    const bool ended = Table.RunUntil(
        [&] {
          if (Table.Machines[1]) PlayPerson(*Table.Machines[1]);
          return Host.Game.GameOver() && Table.Settled();
        },
        kPlentyOfTicks);
    return ended && Table.Same();
  }

  TNetTable Table{{.ComputerPressDelay = 1, .CutPassDelay = true, .FastForwardDice = true}, QuickToNoticeSilence()};
  TNetMachine& Host = Table.Host();
  TNetMachine* Leaver = nullptr;
  TNetMachine* Stayer = nullptr;
};

TEST_F(MachineLeaves, AClientKilledOnItsPlayersTurnIsPlayedByTheHostsComputerToTheEnd) {
  Table.Machines[1].reset();  // its connection ends with the process
  ASSERT_TRUE(Table.RunUntil([&] { return StandInEverywhere(true); }, kPlentyOfTicks));
  EXPECT_EQ(Stayer->Recorder.Notices, std::vector<std::string>{PackSeatNotice({TSeatChange::TakenOver, {1}})});

  ASSERT_TRUE(PlayToTheEnd());
  EXPECT_TRUE(StandInEverywhere(true));
  EXPECT_GT(Host.Game.Players().Player(1).Total() + Host.Game.Players().Player(1).FBarrelTries, 0)
      << "the computer never scored for the person's player";
}

TEST_F(MachineLeaves, AHalfOpenClientIsFoundByItsSilenceAndTheGameGoesOn) {
  const std::unique_ptr<TNetMachine> quiet = std::move(Table.Machines[1]);  // open, never read
  ASSERT_TRUE(Table.RunUntil([&] { return StandInEverywhere(true); }, kPlentyOfTicks));
  ASSERT_TRUE(PlayToTheEnd());

  // When it wakes, the host is gone for it: it goes on alone with the game it had.
  quiet->Session.Poll();
  EXPECT_FALSE(quiet->Session.Active());
  EXPECT_FALSE(quiet->Game.NetGame());
}

TEST_F(MachineLeaves, AClientThatComesBackGetsItsPlayerWithItsScore) {
  Leaver->Session.Close();  // its connection drops; the program runs on
  ASSERT_TRUE(Table.RunUntil([&] { return Host.Game.Players().Player(1).FStandIn; }, kPlentyOfTicks));
  // The computer plays the person's player through a few rounds.
  ASSERT_TRUE(Table.RunUntil(
      [&] { return Host.Game.Players().Player(1).FEntered && Host.Game.CurrentPlayerIndex() != 1; }, kPlentyOfTicks));

  ASSERT_TRUE(Table.Rejoin(*Leaver));
  ASSERT_TRUE(Table.RunUntil([&] { return StandInEverywhere(false) && Leaver->Game.Players().Player(1).FLocal; },
                             kPlentyOfTicks));
  ASSERT_TRUE(Table.RunUntil([&] { return Table.Settled(); }, kPlentyOfTicks));
  EXPECT_EQ(Leaver->Game.Players().Player(1).Total(), Host.Game.Players().Player(1).Total());
  EXPECT_GT(Leaver->Game.Players().Player(1).Total(), 0);
  EXPECT_FALSE(Host.Game.Players().Player(1).FLocal);
  EXPECT_FALSE(Leaver->Game.Players().Player(0).FLocal);

  // The person plays its turns again, to a winner.
  ASSERT_TRUE(Table.RunUntil([&] { return Leaver->LocalHumanToMove(); }, kPlentyOfTicks));
  ASSERT_TRUE(PlayToTheEnd());
  EXPECT_TRUE(StandInEverywhere(false));
}

}  // namespace
