// Two windows in one process, each with its own session on loopback: one hosts, the other
// joins by typing the host's address, players are added and deleted on the players screens,
// and a few turns are played with the table buttons of whichever machine has the turn.
#include <array>

#include "tests/app/net_window_fixture.h"
#include "tests/app/table_presses.h"

namespace {

using enum TScreenKind;

class NetworkGameTest : public TNetWindowTest {
protected:
  void SetUp() override {
    TNetWindowTest::SetUp();
    TPlayer anna;
    anna.FName = Cp1251("Аня");
    Form->Loop->AddPlayer(anna);
    OpenNetworkScreen(*Form);
    Click(*Form, "BT_SERVER");
    ASSERT_TRUE(Form->Game->NetHost());
    Client = Machine(HostPort(*Form));
    Joiner = Client->Form.get();
  }

  void Step(TfmMain& form) {
    Clock.Now += TfmMain::TickMs;
    form.Session->Poll();
    form.DXTimerTimer();
  }

  void StepBoth(int count) {
    for (int i = 0; i < count; ++i) {
      Step(*Form);
      Step(*Joiner);
    }
  }

  // Both machines at rest in the same state.
  bool Settle() {
    for (int i = 0; i < 3000; ++i) {
      StepBoth(1);
      const bool same = Form->Game->StateToString() == Joiner->Game->StateToString();
      if (same && GameAtRest(*Form) && GameAtRest(*Joiner)) return true;
    }
    return false;
  }

  void Join() {
    OpenNetworkScreen(*Joiner);
    FocusAddress(*Joiner);
    Type(*Joiner, "127.0.0.1");
    Click(*Joiner, "BT_CLIENT");
    ASSERT_TRUE(TickWhileConnecting(*Joiner, Form));
    StepBoth(5);
  }

  static bool ClickTable(TfmMain& form, const std::string& name) {
    if (!PressTableButton(form, name)) return false;
    Ticks(form, TSefraDXButton::PressedLookTicks);
    return true;
  }

  static TImage ScoreRowsNow(TfmMain& form) {
    form.Tick();
    return ScoreRows(form.LastFrame);
  }

  std::unique_ptr<TMachine> Client;
  TfmMain* Joiner = nullptr;
};

TEST_F(NetworkGameTest, JoiningReplacesTheJoinersPlayersWithTheHosts) {
  TPlayer own;
  own.FName = Cp1251("Вова");
  Joiner->Loop->AddPlayer(own);
  Join();
  ASSERT_TRUE(Joiner->Game->NetGame());
  EXPECT_FALSE(Joiner->Game->NetHost());
  EXPECT_EQ(Joiner->CurrentScreen(), skMainMenu);
  ASSERT_EQ(Joiner->Game->Players().Count(), 1);
  EXPECT_EQ(Utf8(Joiner->Game->Players().Player(0).FName), "Аня");
  EXPECT_FALSE(Joiner->Game->Players().Player(0).FLocal);
  EXPECT_EQ(Joiner->Game->OptionsToString(), Form->Game->OptionsToString());
  EXPECT_TRUE(Messages.Texts.empty());
}

TEST_F(NetworkGameTest, PlayersAddedAndDeletedOnTheClientsPlayersScreenReachTheHost) {
  Join();
  Click(*Joiner, "BT_PLAYERS");
  // Only the client's own players may be deleted there: the first is the host's.
  StepBoth(2);
  EXPECT_EQ(Joiner->MenuButtons->FindButton("BT_DELETE")->State(), TWidgetState::wsDisabled);
  for (const char* name : {"Боря", "Гена"}) {
    ClickZone(*Joiner, TPlayersZones::NameField);
    while (!Joiner->Screens->Players.NewPlayerName.empty()) Joiner->FormKeyPress(8);
    Type(*Joiner, name);
    Joiner->FormKeyPress(13);
    StepBoth(TSefraDXButton::PressedLookTicks + 3);
  }
  for (TfmMain* machine : {Form, Joiner}) {
    const TPlayers& players = machine->Game->Players();
    ASSERT_EQ(players.Count(), 3);
    EXPECT_EQ(Utf8(players.Player(2).FName), "Гена");
    EXPECT_EQ(players.Player(2).FLocal, machine == Joiner);
  }
  // Row 2 is the client's own: deleted everywhere.
  ClickZone(*Joiner, TPlayersZones::Row(2));
  StepBoth(1);
  ASSERT_EQ(Joiner->Screens->Players.SelectedPlayer, 2);
  ASSERT_EQ(Joiner->MenuButtons->FindButton("BT_DELETE")->State(), TWidgetState::wsNormal);
  Click(*Joiner, "BT_DELETE");
  StepBoth(3);
  for (TfmMain* machine : {Form, Joiner}) {
    ASSERT_EQ(machine->Game->Players().Count(), 2);
    EXPECT_EQ(Utf8(machine->Game->Players().Player(1).FName), "Боря");
  }
}

TEST_F(NetworkGameTest, TheHostShuttingDownLeavesTheClientPlayingLocally) {
  Join();
  ASSERT_TRUE(Joiner->Session->Active());
  Form->FormDestroy();
  for (int i = 0; i < 20 && Joiner->Session->Active(); ++i) Step(*Joiner);
  EXPECT_FALSE(Joiner->Session->Active());
  // The game goes on here as a local one, the host's player played by the computer.
  EXPECT_FALSE(Joiner->Game->NetGame());
  ASSERT_EQ(Joiner->Game->Players().Count(), 1);
  EXPECT_EQ(Joiner->Game->Players().Player(0).FKind, PlayerKindComputer);
  EXPECT_TRUE(Joiner->Game->Players().Player(0).FLocal);
}

TEST_F(NetworkGameTest, RulesTheHostChangesBetweenGamesReachTheClientWhoCannotChangeThem) {
  Join();
  Joiner->SetScreen(skOptions);
  EXPECT_EQ(Joiner->MenuButtons->FindButton("BT_OK")->State(), TWidgetState::wsDisabled);
  Form->SetScreen(skOptions);
  TGameOptions changed = Form->Game->Options();
  changed.ENTERSCORE += 5;
  Form->Screens->Options.WriteOptionControls(changed);
  Click(*Form, "BT_OK");
  StepBoth(3);
  ASSERT_EQ(Form->Game->Options().ENTERSCORE, changed.ENTERSCORE);
  EXPECT_EQ(Joiner->Game->OptionsToString(), Form->Game->OptionsToString());
}

TEST_F(NetworkGameTest, TurnsPlayedOnBothMachinesLeaveTheSameScoreTables) {
  Join();
  TPlayer own;
  own.FName = Cp1251("Боря");
  Joiner->Loop->AddPlayer(own);
  StepBoth(3);
  ASSERT_EQ(Form->Game->Players().Count(), 2);
  Form->SetScreen(skTable);
  Joiner->SetScreen(skTable);
  // Only the host may start; the client hears the start.
  EXPECT_NE(Joiner->Game->Buttons()[TTableButtons::Start].State(), TButtonState::Normal);
  ASSERT_TRUE(ClickTable(*Form, "BT_START"));
  StepBoth(2);
  EXPECT_FALSE(Joiner->Game->GameOver());
  EXPECT_NE(std::find(Client->Sound.Played.begin(), Client->Sound.Played.end(), 2), Client->Sound.Played.end());

  int turnsPassed = 0;
  std::array<int, 2> actionsBy{};
  for (int action = 0; action < 200 && turnsPassed < 4; ++action) {
    ASSERT_TRUE(Settle()) << "the machines disagree after action " << action;
    const int current = Form->Game->CurrentPlayerIndex();
    TfmMain& mover = Form->Game->Players().Player(current).FLocal ? *Form : *Joiner;
    ++actionsBy[&mover == Form ? 0 : 1];
    ASSERT_TRUE(PressForLocalPlayer(mover));
    Ticks(mover, TSefraDXButton::PressedLookTicks);
    ASSERT_TRUE(Settle());
    if (Form->Game->CurrentPlayerIndex() != current) ++turnsPassed;
  }
  ASSERT_EQ(turnsPassed, 4);
  EXPECT_GT(actionsBy[0], 0);
  EXPECT_GT(actionsBy[1], 0);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(Form->Game->Players().Player(i).Total(), Joiner->Game->Players().Player(i).Total());
    EXPECT_EQ(Form->Game->Players().Player(i).FBolts, Joiner->Game->Players().Player(i).FBolts);
  }
  const TImage hostRows = ScoreRowsNow(*Form);
  const TImage clientRows = ScoreRowsNow(*Joiner);
  EXPECT_EQ(hostRows.Pixels, clientRows.Pixels);
  EXPECT_TRUE(AnyLit(hostRows, 0, 0, hostRows.Width, hostRows.Height));
}

}  // namespace
