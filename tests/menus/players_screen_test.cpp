#include "menu_fixture.h"

namespace {

using enum TScreenKind;
using enum TWidgetState;

class PlayersScreenTest : public TMenuTest {
protected:
  void SetUp() override {
    TMenuTest::SetUp();
    Form->SetScreen(skPlayers);
    Ticks(1);  // notices the player count
  }

  void FocusName() {
    Form->DXDrawMenuMouseDown(TMouseButton::mbLeft, 20, 288);
    ASSERT_EQ(Form->CaretPhase, 0);
  }

  // Types a name into the emptied field and presses Enter; the add happens five steps later.
  void AddByTyping(const std::string& name) {
    FocusName();
    while (!Form->NewPlayerName.empty()) Form->FormKeyPress(8);
    Type(name);
    Form->FormKeyPress(13);
    Ticks(TSefraDXButton::kPressTicks + 1);
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
  EXPECT_TRUE(Form->NewPlayerName.empty());
  EXPECT_EQ(StateOf("BT_ADD"), wsDisabled);
  EXPECT_EQ(StateOf("BT_DELETE"), wsNormal);
  for (const char* name : {"Маша", "Коля"}) AddByTyping(name);
  Form->DXDrawMenuMouseDown(TMouseButton::mbLeft, 100, 309);  // computers from here on
  for (const char* name : {"Робот1", "Робот2", "Робот3"}) AddByTyping(name);
  ASSERT_EQ(Count(), 6);
  EXPECT_EQ(Form->Game->Players().Player(5).FKind, PlayerKindComputer);
  AddByTyping("G");
  EXPECT_EQ(Count(), 6);
  EXPECT_EQ(StateOf("BT_ADD"), wsDisabled);
  Form->SelectedPlayer = 2;
  SaveScreenshot("menu-players.png");
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
  Form->DXDrawMenuMouseDown(TMouseButton::mbLeft, 100, 309);
  EXPECT_EQ(Form->NewPlayerKind, 1);
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
  Form->SelectedPlayer = 1;
  for (const TCase& c : {TCase{257, 1}, TCase{67, 0}, TCase{67 + 2 * 29, 2}, TCase{67 + 3 * 29, 2}}) {
    FocusName();
    Form->DXDrawMenuMouseDown(TMouseButton::mbLeft, 100, c.Y);
    EXPECT_EQ(Form->SelectedPlayer, c.Selected) << c.Y;
    EXPECT_EQ(Form->CaretPhase, -1) << c.Y;
  }
}

TEST_F(PlayersScreenTest, TheKindLineTogglesAndTakesTheFocusAway) {
  FocusName();
  Form->DXDrawMenuMouseDown(TMouseButton::mbLeft, 200, 300);
  EXPECT_EQ(Form->NewPlayerKind, 1);
  EXPECT_EQ(Form->CaretPhase, -1);
  Form->DXDrawMenuMouseDown(TMouseButton::mbLeft, 200, 316);
  EXPECT_EQ(Form->NewPlayerKind, 0);
  const std::string before = Form->NewPlayerName;
  Type("x");
  EXPECT_EQ(Form->NewPlayerName, before);
}

TEST_F(PlayersScreenTest, TheNameFieldTakesNineAcceptedCharactersAndBackspace) {
  FocusName();
  while (!Form->NewPlayerName.empty()) Form->FormKeyPress(8);
  Form->FormKeyPress(8);  // on an empty field: nothing
  Type("Ёж №1 \t");
  EXPECT_EQ(Utf8(Form->NewPlayerName), "Ёж№1");
  Type("abcdefgh");
  EXPECT_EQ(Utf8(Form->NewPlayerName), "Ёж№1abcde");
  Form->FormKeyPress(8);
  Type("Z");
  EXPECT_EQ(Utf8(Form->NewPlayerName), "Ёж№1abcdZ");
}

TEST_F(PlayersScreenTest, DeletingThePlayerWhoseTurnItIsHandsTheTurnOn) {
  for (const char* name : {"A", "B", "C"}) AddByTyping(name);
  Ticks(1);
  Form->Game->StartGame();
  Form->Game->SetCurrentPlayer(1);
  Form->DXDrawMenuMouseDown(TMouseButton::mbLeft, 100, 67 + 29);
  Click("BT_DELETE");
  ASSERT_EQ(Count(), 2);
  EXPECT_EQ(Form->Game->Players().Player(1).FName, "C");
  EXPECT_EQ(Form->Game->CurrentPlayerIndex(), 1);
  Ticks(1);
  EXPECT_EQ(Form->SelectedPlayer, 0);
  Click("BT_OK");
  EXPECT_EQ(Form->CurrentScreen, skMainMenu);
}

TEST_F(PlayersScreenTest, TypingElsewhereChangesNothing) {
  for (TScreenKind screen : {skMainMenu, skOptions, skTable}) {
    Form->SetScreen(screen);
    Form->CaretPhase = 0;
    const std::string before = Form->NewPlayerName;
    Type("abc");
    Form->FormKeyPress(13);
    Ticks(TSefraDXButton::kPressTicks + 1);
    EXPECT_EQ(Form->NewPlayerName, before);
    EXPECT_EQ(Count(), 0);
  }
}

TEST_F(PlayersScreenTest, TheCaretBlinksWhileTheFieldHasTheFocus) {
  FocusName();
  Ticks(34);
  EXPECT_EQ(Form->CaretPhase, 34);
  Ticks(1);
  EXPECT_EQ(Form->CaretPhase, 0);
}

}  // namespace

namespace {

class ServerAddressTest : public TMenuTest {};

// The network screen itself comes with network play; its field is typed into the same way.
TEST_F(ServerAddressTest, TakesAnyTwentyCharactersIncludingControlOnes) {
  Form->CurrentScreen = TScreenKind::skNetwork;
  Form->CaretPhase = 0;
  std::string& address = Form->Game->FServerAddress;
  address.clear();
  Form->FormKeyPress(8);
  EXPECT_TRUE(address.empty());
  for (std::uint8_t code : {std::uint8_t{'1'}, std::uint8_t{13}, std::uint8_t{' '}, std::uint8_t{9}}) Form->FormKeyPress(code);
  EXPECT_EQ(address, "1\r \t");
  for (int i = 0; i < 20; ++i) Form->FormKeyPress('x');
  EXPECT_EQ(address.size(), 20u);
  Form->FormKeyPress(8);
  Form->FormKeyPress('y');
  EXPECT_EQ(address.back(), 'y');
  Form->CaretPhase = -1;
  Form->FormKeyPress('z');
  EXPECT_EQ(address.back(), 'y');
}

}  // namespace
