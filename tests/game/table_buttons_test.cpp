#include <gtest/gtest.h>

#include "game/table_buttons.h"

namespace {

TEST(TableButtons, StartInTheirTableStatesAndAreFoundByName) {
  TTableButtons buttons;
  EXPECT_EQ(buttons[TTableButtons::Do].State(), TButtonState::Disabled);
  EXPECT_EQ(buttons[TTableButtons::Cancel].State(), TButtonState::Disabled);
  EXPECT_EQ(buttons[TTableButtons::Start].State(), TButtonState::Normal);
  EXPECT_EQ(buttons[TTableButtons::Menu].State(), TButtonState::Normal);
  EXPECT_EQ(buttons.Find("bt_menu"), &buttons[TTableButtons::Menu]);
  EXPECT_EQ(buttons.Find("BT_DO"), &buttons[TTableButtons::Do]);
  EXPECT_EQ(buttons.Find("BT_DOX"), nullptr);
}

TEST(TableButtons, EnablingLeavesAPressedButtonPressed) {
  struct TCase {
    TButtonState Before;
    bool Enable;
    TButtonState After;
  };
  const TCase cases[] = {
      {TButtonState::Disabled, true, TButtonState::Normal},   {TButtonState::Pressed, true, TButtonState::Pressed},
      {TButtonState::Normal, true, TButtonState::Normal},     {TButtonState::Pressed, false, TButtonState::Disabled},
      {TButtonState::Normal, false, TButtonState::Disabled},
  };
  for (const TCase& c : cases) {
    TTableButton button(c.Before);
    SetButtonEnabled(button, c.Enable);
    EXPECT_EQ(button.State(), c.After) << static_cast<int>(c.Before) << " " << c.Enable;
  }
}

TEST(TableButtons, APressClicksOnceWhenItsLookRunsOut) {
  TTableButtons buttons;
  PressTableButton(buttons[TTableButtons::Start]);
  for (int tick = 1; tick < ButtonPressTicks; ++tick) {
    EXPECT_FALSE(buttons.Tick()) << tick;
    EXPECT_EQ(buttons[TTableButtons::Start].State(), TButtonState::Pressed);
  }
  EXPECT_TRUE(buttons.Tick());
  EXPECT_FALSE(buttons[TTableButtons::Do].Clicked());
  EXPECT_TRUE(buttons[TTableButtons::Start].Clicked());
  EXPECT_FALSE(buttons[TTableButtons::Start].Clicked());
  EXPECT_FALSE(buttons.Tick());
}

TEST(TableButtons, APressLapsesWhenTheButtonIsDisabledDuringItsLook) {
  TTableButtons buttons;
  TTableButton& doButton = buttons[TTableButtons::Do];
  SetButtonEnabled(doButton, true);
  PressTableButton(doButton);
  SetButtonEnabled(doButton, false);
  for (int tick = 0; tick < ButtonPressTicks; ++tick) EXPECT_FALSE(buttons.Tick()) << tick;
  EXPECT_EQ(doButton.State(), TButtonState::Disabled);
  EXPECT_FALSE(doButton.Clicked());
}

}  // namespace
