#include "game/options.h"
#include "gfx/check_box.h"
#include "gfx/selector.h"
#include "gfx/up_down.h"
#include "tests/app/menu_fixture.h"
#include "tests/game/game_test_access.h"
#include "tests/support/rules_at_bound.h"

namespace {

using enum TScreenKind;
using enum TWidgetState;

class OptionsEditorTest : public TMenuTest {
protected:
  void SetUp() override {
    TMenuTest::SetUp();
    Form->SetScreen(skOptions);
  }

  template <class T>
  T& Control(const std::string& key) {
    TSefraDXClass* control = Form->Screens->Options.OptionControls->GetControl(Form->Screens->Options.OptionControls->IndexOfName(key));
    EXPECT_NE(control, nullptr) << key;
    return *static_cast<T*>(control);
  }

  // A press on an up-down's arrow and the ticks that apply it.
  void PressArrow(const std::string& key, bool up) {
    TSefraUpDown& upDown = Control<TSefraUpDown>(key);
    TSefraDXButton& button = up ? upDown.UpButton() : upDown.DownButton();
    const TSize size = button.GetImageSize();
    Form->DXDrawMenuMouseDown(TMouseButton::mbLeft, button.Left() + size.Width / 2, button.Top() + size.Height / 2);
    Ticks(TSefraUpDown::PressedLookTicks + 1);
  }
};

TEST_F(OptionsEditorTest, OpensOnTheBarrelPageWithTheGameRules) {
  EXPECT_EQ(Form->MenuBounds.Left, 109);
  EXPECT_EQ(Form->MenuBounds.Top, 30);
  EXPECT_EQ(Form->MenuBounds.Height, 345);
  EXPECT_EQ(Form->Screens->Options.OptionControls->Count(), 25);
  EXPECT_EQ(Form->Screens->Options.ReadOptionControls(), Form->Game->Options());
  EXPECT_EQ(StateOf("BT_BARRELS"), wsDisabled);
  EXPECT_TRUE(Control<TSefraUpDown>("BARRELSSCORE").Visible());
  EXPECT_FALSE(Control<TSefraCheckBox>("ISBOLTS").Visible());
}

TEST_F(OptionsEditorTest, PageButtonsShowTheirControlsAndDisableThemselves) {
  struct TCase {
    const char* Button;
    const char* Shown;
    const char* Hidden;
  };
  for (const TCase& c : {TCase{"BT_BOLTS", "BOLTSTOGODOWN", "BARRELSTYPE"}, TCase{"BT_YAMAS", "HOLE2SCORE2", "ISBOLTS"},
                         TCase{"BT_RAZNOE", "DUMPTRUCKSCORE", "ISHOLE1"}, TCase{"BT_BARRELS", "BARRELSTYPE", "ISMORE1000"}}) {
    Click(c.Button);
    EXPECT_EQ(StateOf(c.Button), wsDisabled) << c.Button;
    EXPECT_TRUE(Control<TSefraDXClass>(c.Shown).Visible()) << c.Button;
    EXPECT_FALSE(Control<TSefraDXClass>(c.Hidden).Visible()) << c.Button;
  }
  EXPECT_EQ(StateOf("BT_BOLTS"), wsNormal);
}

TEST_F(OptionsEditorTest, EveryControlStandsOnOnePage) {
  std::vector<int> pagesShowing(static_cast<std::size_t>(Form->Screens->Options.OptionControls->Count()));
  for (int page = 0; page < 4; ++page) {
    Form->Screens->Options.ShowOptionsPage(page);
    for (int i = 0; i < Form->Screens->Options.OptionControls->Count(); ++i)
      if (Form->Screens->Options.OptionControls->GetControl(i)->Visible()) ++pagesShowing[static_cast<std::size_t>(i)];
  }
  for (int i = 0; i < Form->Screens->Options.OptionControls->Count(); ++i)
    EXPECT_EQ(pagesShowing[static_cast<std::size_t>(i)], 1) << Form->Screens->Options.OptionControls->GetName(i);
}

// The controls' ranges are the rules' own: nothing is lost on the way in or out.
TEST_F(OptionsEditorTest, ControlsHoldEveryRuleAtItsBounds) {
  for (const auto bound : {&TOptionRule::Min, &TOptionRule::Max}) {
    const TGameOptions rules = RulesAtBound(bound);
    Form->Screens->Options.WriteOptionControls(rules);
    EXPECT_EQ(Form->Screens->Options.ReadOptionControls(), rules);
  }
}

TEST_F(OptionsEditorTest, ArrowsStopAtTheirBounds) {
  Control<TSefraUpDown>("BARRELSSCORE").SetValue(990);
  PressArrow("BARRELSSCORE", true);
  EXPECT_EQ(Control<TSefraUpDown>("BARRELSSCORE").Value(), 990);
  PressArrow("BARRELSSCORE", false);
  EXPECT_EQ(Control<TSefraUpDown>("BARRELSSCORE").Value(), 985);
  Control<TSefraUpDown>("BARRELSDOWNSCORE").SetValue(0);
  PressArrow("BARRELSDOWNSCORE", false);
  EXPECT_EQ(Control<TSefraUpDown>("BARRELSDOWNSCORE").Value(), 0);
}

TEST_F(OptionsEditorTest, TheBarrelSelectorCyclesOnPresses) {
  TSefraSelector& selector = Control<TSefraSelector>("BARRELSTYPE");
  selector.ItemIndex = 0;
  for (int expected : {1, 2, 0}) {
    Form->DXDrawMenuMouseDown(TMouseButton::mbLeft, selector.Left() + 2, selector.Top() + 2);
    EXPECT_EQ(selector.ItemIndex, expected);
  }
}

TEST_F(OptionsEditorTest, OkAppliesTheEditsAndCancelDropsThem) {
  const TGameOptions before = Form->Game->Options();
  Control<TSefraUpDown>("BARRELSSCORE").SetValue(900);
  Click("BT_CANCEL");
  EXPECT_EQ(Form->CurrentScreen(), skMainMenu);
  EXPECT_EQ(Form->Game->Options(), before);
  Form->SetScreen(skOptions);
  EXPECT_EQ(Control<TSefraUpDown>("BARRELSSCORE").Value(), before.BARRELSSCORE);
  Control<TSefraUpDown>("BARRELSSCORE").SetValue(900);
  Control<TSefraUpDown>("OVERTAKINGSCORE").SetValue(150);
  Control<TSefraCheckBox>("ISBOLTS").Checked = !before.IS_BOLTS;
  Click("BT_OK");
  EXPECT_EQ(Form->Game->Options().BARRELSSCORE, 900);
  EXPECT_EQ(Form->Game->Options().OVERTAKINGSCORE, 150);
  EXPECT_EQ(Form->Game->Options().IS_BOLTS, !before.IS_BOLTS);
  EXPECT_EQ(Form->Screens->Options.OptionControls->Count(), 0);
}

TEST_F(OptionsEditorTest, ResetShowsTheGameRulesNotTheDefaults) {
  SetRule(*Form->Game, &TGameOptions::ENTERSCORE, 100);
  Form->SetScreen(skOptions);
  Control<TSefraUpDown>("ENTERSCORE").SetValue(150);
  Click("BT_RESET");
  EXPECT_EQ(Control<TSefraUpDown>("ENTERSCORE").Value(), 100);
}

TEST_F(OptionsEditorTest, SaveWritesTheShownValuesAndLoadFillsOnlyTheControls) {
  TScratchDir dir;
  const TGameOptions before = Form->Game->Options();
  Control<TSefraUpDown>("DUMPTRUCKSCORE").SetValue(995);
  Dialogs->Answers = {dir.File("house.st"), std::nullopt};
  Click("BT_SAVE");
  Click("BT_SAVE");  // cancelled
  EXPECT_EQ(Form->Game->Options(), before);
  TGameOptions saved;
  LoadOptions(dir.File("house.st"), saved);
  EXPECT_EQ(saved.DUMPTRUCKSCORE, 995);
  EXPECT_EQ(Dialogs->Requests[0].Title, "Запись настроек");
  EXPECT_EQ(Dialogs->Requests[0].Extension, "st");
  EXPECT_EQ(Dialogs->Requests[0].FilterName, "Файлы настроек");

  Click("BT_RESET");
  dir.Write("odd.st", "[OPTIONS]\nBARRELSSCORE=5000\nENTERSCORE=20\n");
  Dialogs->Answers = {dir.File("odd.st")};
  Click("BT_LOAD");
  EXPECT_EQ(Dialogs->Requests.back().Title, "Чтение настроек");
  EXPECT_EQ(Control<TSefraUpDown>("BARRELSSCORE").Value(), 990);
  EXPECT_EQ(Control<TSefraUpDown>("ENTERSCORE").Value(), 20);
  EXPECT_EQ(Form->Game->Options(), before);
  Click("BT_CANCEL");
  EXPECT_EQ(Form->Game->Options(), before);
}

TEST_F(OptionsEditorTest, ANetworkClientMayLookAndSaveButNotChange) {
  Click("BT_CANCEL");
  Form->Game->StartNetGame();  // joined, so not the host
  Form->SetScreen(skOptions);
  for (const char* name : {"BT_OK", "BT_LOAD", "BT_RESET"}) EXPECT_EQ(StateOf(name), wsDisabled) << name;
  EXPECT_EQ(StateOf("BT_SAVE"), wsNormal);
  TSefraSelector& selector = Control<TSefraSelector>("BARRELSTYPE");
  const int index = selector.ItemIndex;
  Form->DXDrawMenuMouseDown(TMouseButton::mbLeft, selector.Left() + 2, selector.Top() + 2);
  EXPECT_EQ(selector.ItemIndex, index);
}

}  // namespace
