// The table's keys act exactly as clicks on their buttons, in every state of those buttons.
#include <gtest/gtest.h>

#include <tuple>

#include "app/table_keys.h"
#include "tests/app/table_screen_fixture.h"

namespace {

struct TSituation {
  const char* Name;
  std::uint8_t Kind;  // of the one player
  bool Started;
  bool MenuOpen;
};

class TableKeyPresses : public TTableScreenTest {
protected:
  // What a press left behind five steps later: the buttons, the turn and the open screen.
  auto Outcome() {
    Steps(5);
    const TGame& game = *Form->Game;
    return std::tuple{StateOf("BT_DO"), StateOf("BT_CANCEL"), StateOf("BT_START"), StateOf("BT_MENU"),
                      game.GameOver(),  game.ThrowPending(),  game.CurrentPlayerIndex(), Form->CurrentScreen()};
  }
  void Fresh(const TSituation& situation) {
    Form = MakeForm();
    Form->FormShow();
    AddPlayer("A", situation.Kind);
    if (situation.Started) Form->Game->StartGame();
    if (situation.MenuOpen) Form->SetScreen(TScreenKind::skMainMenu);
  }
};

const TSituation kSituations[] = {
    {"before a game", PlayerKindHuman, false, false},
    {"a person's turn", PlayerKindHuman, true, false},
    {"a computer's turn", PlayerKindComputer, true, false},
    {"the menu open", PlayerKindHuman, true, true},
};

const char* const kButtonNames[] = {"BT_DO", "BT_CANCEL", "BT_START", "BT_MENU"};

TEST_F(TableKeyPresses, EachKeyDoesWhatAClickOnItsButtonDoes) {
  int acted = 0;
  for (const TSituation& situation : kSituations) {
    for (const TTableKey& key : TableKeys) {
      const char* button = kButtonNames[key.Button];
      Fresh(situation);
      const auto untouched = Outcome();
      Fresh(situation);
      Click(button);
      const auto clicked = Outcome();
      Fresh(situation);
      Form->FormKeyDown(key.VirtualKey);
      EXPECT_EQ(Outcome(), clicked) << situation.Name << ", " << button;
      if (clicked != untouched) ++acted;
    }
  }
  // Not every pair may do nothing: throw, start and menu act in their situations.
  EXPECT_GE(acted, 4);
}

TEST_F(TableKeyPresses, F1OpensTheRulesPageAndOtherKeysNothing) {
  Form->FormKeyDown(RulesPageKey);
  EXPECT_EQ(Links.Opened, std::vector<std::string>{"rules.html"});
  AddPlayer("A", PlayerKindHuman);
  Form->FormKeyDown(0x41);  // A
  Steps(5);
  EXPECT_TRUE(Form->Game->GameOver());
}

}  // namespace
