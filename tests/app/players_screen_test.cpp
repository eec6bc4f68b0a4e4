#include "tests/app/menu_fixture.h"

namespace {

using enum TScreenKind;
using enum TWidgetState;
using Z = TPlayersZones;

class PlayersScreenTest : public TMenuTest {
protected:
  void SetUp() override {
    TMenuTest::SetUp();
    Form->SetScreen(skPlayers);
    Ticks(1);  // notices the player count
  }

  TPlayersScreen& Players() { return Form->Screens->Players; }

  void FocusName() {
    ClickZone(*Form, Z::NameField);
    ASSERT_EQ(Players().CaretPhase, 0);
  }

  // Types a name into the emptied field and presses Enter; the add happens five steps later.
  void AddByTyping(const std::string& name) {
    FocusName();
    while (!Players().NewPlayerName.empty()) Form->FormKeyPress(8);
    Type(name);
    Form->FormKeyPress(13);
    Ticks(TSefraDXButton::PressedLookTicks + 1);
  }

  int Count() { return Form->Game->Players().Count(); }
};

TEST_F(PlayersScreenTest, OpensWithItsGeometryAndTheStartNameAddable) {
  EXPECT_EQ(Form->MenuBounds.Left, 109);
  EXPECT_EQ(Form->MenuBounds.Top, 5);
  EXPECT_EQ(Form->MenuBounds.Width, 382);
  EXPECT_EQ(Form->MenuBounds.Height, 400);
  EXPECT_EQ(StateOf("BT_DELETE"), wsDisabled);
  EXPECT_EQ(StateOf("BT_ADD"), wsNormal);  // "Игрок 1"
}

TEST_F(PlayersScreenTest, TypedNamesAreAddedUpToSixPlayers) {
  AddByTyping("Петя");
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Utf8(Form->Game->Players().Player(0).FName), "Петя");
  EXPECT_TRUE(Players().NewPlayerName.empty());
  EXPECT_EQ(StateOf("BT_ADD"), wsDisabled);
  EXPECT_EQ(StateOf("BT_DELETE"), wsNormal);
  for (const char* name : {"Маша", "Коля"}) AddByTyping(name);
  ClickZone(*Form, Z::KindLine);  // computers from here on
  for (const char* name : {"Робот1", "Робот2", "Робот3"}) AddByTyping(name);
  ASSERT_EQ(Count(), 6);
  EXPECT_EQ(Form->Game->Players().Player(5).FKind, PlayerKindComputer);
  AddByTyping("G");
  EXPECT_EQ(Count(), 6);
  EXPECT_EQ(StateOf("BT_ADD"), wsDisabled);
}

TEST_F(PlayersScreenTest, ANameIsRefusedOnlyWhenExactlyTaken) {
  AddByTyping("Игрок");
  AddByTyping("Игрок");
  EXPECT_EQ(Count(), 1);
  AddByTyping("игрок");
  EXPECT_EQ(Count(), 2);
  // Enter with an empty field adds nothing.
  AddByTyping("");
  EXPECT_EQ(Count(), 2);
}

TEST_F(PlayersScreenTest, ComputerPlayersAreAddedWithTheChosenKind) {
  ClickZone(*Form, Z::KindLine);
  EXPECT_EQ(Players().NewPlayerKind, 1);
  AddByTyping("Robo");
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Form->Game->Players().Player(0).FKind, 1);
}

TEST_F(PlayersScreenTest, RowClicksSelectExistingRowsOnly) {
  for (const char* name : {"A", "B", "C"}) AddByTyping(name);
  Ticks(1);
  struct TCase {
    int Y;
    int Selected;
  };
  Players().SelectedPlayer = 1;
  // The list's last pixel row and a row past the players select nothing.
  for (const TCase& c : {TCase{Bottom(Z::PlayerList), 1}, TCase{Z::Row(0).Top, 0}, TCase{Z::Row(2).Top, 2},
                         TCase{Z::Row(3).Top, 2}}) {
    FocusName();
    Form->DXDrawMenuMouseDown(TMouseButton::mbLeft, MiddleOf(Z::PlayerList).X, c.Y);
    EXPECT_EQ(Players().SelectedPlayer, c.Selected) << c.Y;
    EXPECT_EQ(Players().CaretPhase, -1) << c.Y;
  }
}

TEST_F(PlayersScreenTest, TheKindLineTogglesAndTakesTheFocusAway) {
  FocusName();
  Form->DXDrawMenuMouseDown(TMouseButton::mbLeft, MiddleOf(Z::KindLine).X, Z::KindLine.Top);
  EXPECT_EQ(Players().NewPlayerKind, 1);
  EXPECT_EQ(Players().CaretPhase, -1);
  Form->DXDrawMenuMouseDown(TMouseButton::mbLeft, MiddleOf(Z::KindLine).X, Bottom(Z::KindLine));
  EXPECT_EQ(Players().NewPlayerKind, 0);
  const std::string before = Players().NewPlayerName;
  Type("x");
  EXPECT_EQ(Players().NewPlayerName, before);
}

TEST_F(PlayersScreenTest, TheLevelLineCyclesAComputersLevelAndTheAddedPlayerKeepsIt) {
  ClickZone(*Form, Z::LevelLine);
  EXPECT_EQ(Players().NewPlayerLevel, 0) << "a person has no level to change";
  ClickZone(*Form, Z::KindLine);
  for (const int expected : {1, 2, 0, 1, 2}) {
    ClickZone(*Form, Z::LevelLine);
    EXPECT_EQ(Players().NewPlayerLevel, expected);
  }
  AddByTyping("Strong");
  const TPlayers& players = Form->Game->Players();
  EXPECT_EQ(players.Player(players.Count() - 1).FLevel, 2);
}

TEST_F(PlayersScreenTest, TheNameFieldTakesNineAcceptedCharactersAndBackspace) {
  FocusName();
  while (!Players().NewPlayerName.empty()) Form->FormKeyPress(8);
  Form->FormKeyPress(8);  // on an empty field: nothing
  Type("Ёж №1 \t");
  EXPECT_EQ(Utf8(Players().NewPlayerName), "Ёж№1");
  Type("abcdefgh");
  EXPECT_EQ(Utf8(Players().NewPlayerName), "Ёж№1abcde");
  Form->FormKeyPress(8);
  Type("Z");
  EXPECT_EQ(Utf8(Players().NewPlayerName), "Ёж№1abcdZ");
}

TEST_F(PlayersScreenTest, ThePressForTheCaretReachesOverTheWholeBoxEvenWhenItIsEmpty) {
  AddByTyping("Вася");  // the field is empty after an add
  ASSERT_TRUE(Players().NewPlayerName.empty());
  for (const int x : {Z::NameText.X, (Z::NameText.X + Z::NameBoxRight) / 2, Z::NameBoxRight - 1}) {
    ClickZone(*Form, Z::KindLine);  // takes the caret away
    ASSERT_LT(Players().CaretPhase, 0);
    Form->DXDrawMenuMouseDown(TMouseButton::mbLeft, x, Z::NameText.Y);
    EXPECT_EQ(Players().CaretPhase, 0) << "x " << x;
  }
  Form->DXDrawMenuMouseDown(TMouseButton::mbLeft, Z::NameBoxRight + 1, Z::NameText.Y);
  EXPECT_EQ(Players().CaretPhase, 0) << "a press past the box leaves the caret where it was";
}

TEST_F(PlayersScreenTest, DeletingThePlayerWhoseTurnItIsHandsTheTurnOn) {
  for (const char* name : {"A", "B", "C"}) AddByTyping(name);
  Ticks(1);
  Form->Game->StartGame();
  Form->Game->SetCurrentPlayer(1);
  ClickZone(*Form, Z::Row(1));
  Click("BT_DELETE");
  ASSERT_EQ(Count(), 2);
  EXPECT_EQ(Form->Game->Players().Player(1).FName, "C");
  EXPECT_EQ(Form->Game->CurrentPlayerIndex(), 1);
  Ticks(1);
  EXPECT_EQ(Players().SelectedPlayer, 0);
  Click("BT_OK");
  EXPECT_EQ(Form->CurrentScreen(), skMainMenu);
}

TEST_F(PlayersScreenTest, TypingElsewhereChangesNothing) {
  FocusName();
  for (TScreenKind screen : {skMainMenu, skOptions, skTable}) {
    Form->SetScreen(screen);
    Players().CaretPhase = 0;  // as if the name field still had the caret
    const std::string before = Players().NewPlayerName;
    Type("abc");
    Form->FormKeyPress(13);
    Ticks(TSefraDXButton::PressedLookTicks + 1);
    EXPECT_EQ(Players().NewPlayerName, before);
    EXPECT_EQ(Count(), 0);
  }
}

TEST_F(PlayersScreenTest, TheCaretBlinksWhileTheFieldHasTheFocus) {
  FocusName();
  Ticks(34);
  EXPECT_EQ(Players().CaretPhase, 34);
  Ticks(1);
  EXPECT_EQ(Players().CaretPhase, 0);
}

}  // namespace
