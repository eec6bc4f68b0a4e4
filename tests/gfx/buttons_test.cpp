#include "gfx/button_collection.h"

#include <gtest/gtest.h>

#include "base/cp1251.h"
#include "gfx/surface_collection.h"
#include "platform/surface.h"
#include "tests/gfx/fixtures.h"

namespace {

constexpr std::uint32_t kBackground = 0x123456;
using enum TWidgetState;

// Two buttons on the same spot: the first one's mask has holes at two corners, the second's
// is solid, so a press on a hole falls through to the second.
class ButtonsTest : public testing::Test {
protected:
  void SetUp() override {
    FSprites.AddSurface("BT_MASK", fixtures::Pattern({".###", "####", "###."}));
    FSprites.AddSurface("FULL", fixtures::Filled(4, 3, 1));
    FSprites.AddSurface("BT", fixtures::Pattern({"##..", "####", "####"}, 0x0000FF));
    FSprites.AddSurface("BT1", fixtures::Filled(5, 2, 0x00FF00));
    FSprites.AddSurface("BT2", fixtures::Filled(2, 2, 0xFF0000));
    FFirst = Add("BT_DO", "BT_MASK");
    FSecond = Add("BT_MENU", "FULL");
  }

  TSefraDXButton* Add(const char* name, const char* mask) {
    auto button = std::make_unique<TSefraDXButton>();
    button->SetImages(&FSprites);
    button->SetLeft(10);
    button->SetTop(20);
    button->SetImageNames("BT|BT1|BT2");
    button->SetMaskNames(std::string(mask) + "|" + mask + "|" + mask);
    TSefraDXButton* raw = button.get();
    FButtons.AddButton(name, std::move(button));
    return raw;
  }

  TSurfaceSortCollection FSprites;
  TSefraButtonCollection FButtons;
  TSefraDXButton* FFirst = nullptr;
  TSefraDXButton* FSecond = nullptr;
};

TEST_F(ButtonsTest, PressHitsTheFirstButtonWhoseMaskPixelIsSet) {
  struct TCase {
    int X, Y, Index;
  };
  const TCase cases[] = {
      {11, 20, 0}, {10, 21, 0}, {13, 22, 1}, {10, 20, 1}, {13, 20, 0},
      {14, 20, -1}, {9, 21, -1}, {10, 23, -1}, {10, 19, -1},
  };
  for (const TCase& c : cases) EXPECT_EQ(FButtons.MouseDown(c.X, c.Y, 0, 0), c.Index) << c.X << "," << c.Y;
  // The offset is added to the point.
  EXPECT_EQ(FButtons.MouseDown(1, 0, 10, 20), 0);
}

TEST_F(ButtonsTest, PressedDisabledAndUnpaintedButtonsTakeNoPress) {
  for (TWidgetState state : {wsPressed, wsDisabled}) {
    FFirst->SetState(state);
    EXPECT_EQ(FButtons.MouseDown(11, 20, 0, 0), 1);
    FFirst->SetState(wsNormal);
  }
  FFirst->SetMaskNames("NONE");
  EXPECT_EQ(FButtons.MouseDown(11, 20, 0, 0), 1);
  FSecond->SetImages(nullptr);
  EXPECT_EQ(FButtons.MouseDown(11, 20, 0, 0), -1);
}

TEST_F(ButtonsTest, VisibilityPlaysNoPartForButtons) {
  FFirst->SetVisible(false);
  EXPECT_EQ(FButtons.MouseDown(11, 20, 0, 0), 0);
  TSurface target;
  ASSERT_TRUE(target.SetSize(20, 30));
  FButtons.Draw(target, 0, 0);
  EXPECT_EQ(target.Pixel(10, 20), 0x0000FFu);
}

TEST_F(ButtonsTest, PressShowsFiveTicksThenReportsOneClick) {
  const int hit = FButtons.MouseDown(11, 20, 0, 0);
  ASSERT_EQ(hit, 0);
  FButtons.GetButton(hit)->Press();
  EXPECT_EQ(FFirst->State(), wsPressed);
  for (int tick = 1; tick < TSefraDXButton::PressedLookTicks; ++tick) {
    EXPECT_FALSE(FButtons.Tick()) << tick;
    EXPECT_FALSE(FFirst->Clicked());
  }
  EXPECT_TRUE(FButtons.Tick());
  EXPECT_EQ(FFirst->State(), wsNormal);
  EXPECT_TRUE(FFirst->Clicked());
  EXPECT_FALSE(FFirst->Clicked());
  EXPECT_FALSE(FSecond->Clicked());
  EXPECT_FALSE(FButtons.Tick());
}

TEST(SetButtonEnabled, EnablingOnlyLeavesDisabled) {
  struct TCase {
    TWidgetState Before;
    bool Enable;
    TWidgetState After;
  };
  const TCase cases[] = {
      {wsNormal, true, wsNormal},     {wsPressed, true, wsPressed},   {wsDisabled, true, wsNormal},
      {wsNormal, false, wsDisabled},  {wsPressed, false, wsDisabled}, {wsDisabled, false, wsDisabled},
  };
  for (const TCase& c : cases) {
    TSefraDXButton button;
    button.SetState(c.Before);
    SetButtonEnabled(button, c.Enable);
    EXPECT_EQ(button.State(), c.After) << static_cast<int>(c.Before) << c.Enable;
    EXPECT_EQ(button.Enabled(), c.Enable);
  }
}

TEST(SetButtonEnabled, PressOfAButtonDisabledMeanwhileIsVoid) {
  TSefraDXButton button;
  button.Press();
  SetButtonEnabled(button, false);
  for (int tick = 0; tick < TSefraDXButton::PressedLookTicks; ++tick) EXPECT_FALSE(button.Tick());
  EXPECT_EQ(button.State(), wsDisabled);
  EXPECT_FALSE(button.Clicked());
  SetButtonEnabled(button, true);
  EXPECT_FALSE(button.Clicked());
}

TEST_F(ButtonsTest, DrawsTheCurrentStatesSpriteWithItsKey) {
  struct TCase {
    TWidgetState State;
    int Width, Height;
    std::uint32_t AtCorner, AtTopRight;
  };
  const TCase cases[] = {{wsNormal, 4, 3, 0x0000FF, kBackground},
                         {wsPressed, 5, 2, 0x00FF00, 0x00FF00},
                         {wsDisabled, 2, 2, 0xFF0000, kBackground}};
  TSurface target;
  ASSERT_TRUE(target.SetSize(30, 30));
  FButtons.Delete(1);
  for (const TCase& c : cases) {
    FFirst->SetState(c.State);
    EXPECT_EQ(FFirst->GetImageSize().Width, c.Width);
    EXPECT_EQ(FFirst->GetImageSize().Height, c.Height);
    target.Fill(kBackground);
    FButtons.Draw(target, 1, 2);
    EXPECT_EQ(target.Pixel(11, 22), c.AtCorner);
    EXPECT_EQ(target.Pixel(14, 22), c.AtTopRight);
    EXPECT_EQ(target.Pixel(10, 22), kBackground);
  }
  FFirst->SetImageNames("NONE");
  EXPECT_EQ(FFirst->GetImageSize().Width, 0);
}

TEST_F(ButtonsTest, FindsNamesIgnoringLetterCase) {
  FButtons.AddButton(Cp1251("Кнопка Ё"), std::make_unique<TSefraDXButton>());
  EXPECT_EQ(FButtons.IndexOfName("bt_menu"), 1);
  EXPECT_EQ(FButtons.IndexOfName(Cp1251("кнопка ё")), 2);
  EXPECT_EQ(FButtons.IndexOfName("BT_MEN"), -1);
  EXPECT_EQ(FButtons.FindButton("Bt_Do"), FFirst);
  EXPECT_EQ(FButtons.GetName(1), "BT_MENU");
  EXPECT_EQ(FButtons.GetButton(3), nullptr);
  EXPECT_EQ(FButtons.AddButton("NULL", nullptr), -1);
  EXPECT_EQ(FButtons.Count(), 3);
}

}  // namespace
