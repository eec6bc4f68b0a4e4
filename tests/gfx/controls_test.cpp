#include "gfx/control_collection.h"

#include <gtest/gtest.h>

#include <climits>

#include "base/cp1251.h"
#include "gfx/check_box.h"
#include "gfx/letters.h"
#include "gfx/selector.h"
#include "gfx/surface_collection.h"
#include "gfx/up_down.h"
#include "platform/surface.h"
#include "tests/gfx/fixtures.h"

namespace {

constexpr std::uint32_t kBackground = 0x123456;
constexpr std::uint32_t kWhite = 0xFFFFFF, kYellow = 0xFFFF00;
using enum TWidgetState;

class ControlsTest : public testing::Test {
protected:
  void SetUp() override {
    // Up and down arrows 8 x 6, the disabled up arrow 10 x 6; solid masks.
    for (const char* name : {"UP1", "UP2", "DOWN1", "DOWN2", "DOWN3", "UPM", "DOWNM"})
      FSprites.AddSurface(name, fixtures::Filled(8, 6, 0x00FF00));
    FSprites.AddSurface("UP3", fixtures::Filled(10, 6, 0x808080));
    FSprites.AddSurface("CHECKON", fixtures::Filled(6, 4, 0x0000FF));
    FSprites.AddSurface("CHECKOFF", fixtures::Filled(6, 4, 0x000080));
    // Glyphs drawn solid: every character is a 2 x 4 block ("X" 3 wide), white in font 0 and
    // yellow in font 1; so a text of n characters is 4n wide and 4 high.
    const std::uint32_t colors[] = {kWhite, kYellow};
    for (int font = 0; font < 2; ++font) {
      for (int code = 32; code < 256; ++code)
        FLetters.AddGlyph(font, std::to_string(code), fixtures::Filled(code == 'X' ? 3 : 2, 4, 1),
                          {TLetterEffect::leSolid, colors[font], 0});
    }
    ASSERT_TRUE(FTarget.SetSize(120, 40));
    FTarget.Fill(kBackground);
  }

  std::unique_ptr<TSefraUpDown> MakeUpDown() {
    auto upDown = std::make_unique<TSefraUpDown>(0, 0, 100, 20);
    upDown->SetImages(&FSprites);
    upDown->SetButtonImages("UP1", "UP2", "UP3", "UPM", "DOWN1", "DOWN2", "DOWN3", "DOWNM");
    upDown->Letters = &FLetters;
    return upDown;
  }

  // Presses the button at the point and lets its pressed look run out.
  static void Click(TSefraDXClass& control, int x, int y) {
    EXPECT_FALSE(control.MouseDown(x, y));
    for (int tick = 0; tick < TSefraUpDown::PressedLookTicks; ++tick) control.Update();
  }

  TSurfaceSortCollection FSprites;
  TLettersCollection FLetters;
  TSurface FTarget;
};

TEST_F(ControlsTest, UpDownLaysItsButtonsOutAtTheRightEdge) {
  auto upDown = MakeUpDown();
  upDown->SetValue(50);
  // Middle line y 10: up from 10 - 6 - 1 = 3, down from 11, both ending at x 100.
  EXPECT_EQ(upDown->UpButton().Left(), 92);
  EXPECT_EQ(upDown->UpButton().Top(), 3);
  EXPECT_EQ(upDown->DownButton().Left(), 92);
  EXPECT_EQ(upDown->DownButton().Top(), 11);
  EXPECT_EQ(upDown->ButtonsWidth(), 8);
  // At its maximum the up button shows its wider disabled image.
  upDown->SetValue(100);
  upDown->Layout();
  EXPECT_EQ(upDown->UpButton().Left(), 90);
  EXPECT_EQ(upDown->ButtonsWidth(), 10);
  upDown->SetHeight(41);
  EXPECT_EQ(upDown->UpButton().Top(), 20 - 6 - 1);
}

TEST_F(ControlsTest, UpDownClicksMoveTheValueWithinItsBounds) {
  auto upDown = MakeUpDown();
  upDown->SetMin(1);
  upDown->SetMax(9);
  upDown->SetValue(9);
  EXPECT_EQ(upDown->UpButton().State(), wsDisabled);
  Click(*upDown, 92, 4);  // the disabled up button takes no press
  EXPECT_EQ(upDown->Value(), 9);
  Click(*upDown, 92, 12);
  EXPECT_EQ(upDown->Value(), 8);
  EXPECT_EQ(upDown->UpButton().State(), wsNormal);
  upDown->Step = 10;
  Click(*upDown, 92, 12);
  EXPECT_EQ(upDown->Value(), 1);
  EXPECT_EQ(upDown->DownButton().State(), wsDisabled);
}

TEST_F(ControlsTest, UpDownPressLooksLastThreeTicks) {
  auto upDown = MakeUpDown();
  upDown->SetValue(5);
  EXPECT_FALSE(upDown->MouseDown(92, 4));
  EXPECT_EQ(upDown->UpButton().State(), wsPressed);
  upDown->Update();
  upDown->Update();
  EXPECT_EQ(upDown->Value(), 5);
  upDown->Update();
  EXPECT_EQ(upDown->Value(), 6);
  upDown->Update();
  EXPECT_EQ(upDown->Value(), 6);
}

TEST_F(ControlsTest, UpDownBoundsClampTheValue) {
  auto fresh = MakeUpDown();
  fresh->SetMin(50);
  EXPECT_EQ(fresh->Value(), 50);
  fresh->SetMax(400);
  EXPECT_EQ(fresh->Value(), 50);
  EXPECT_FALSE(fresh->Changed);
  fresh->SetMax(995);
  fresh->SetValue(1000);
  EXPECT_EQ(fresh->Value(), 995);
  EXPECT_TRUE(fresh->Changed);
  EXPECT_EQ(fresh->UpButton().State(), wsDisabled);
  fresh->SetMax(20);
  EXPECT_EQ(fresh->Value(), 20);
  // A step that would overflow stops at the bound.
  fresh->SetMax(INT_MAX);
  fresh->SetValue(INT_MAX - 1);
  fresh->Step = INT_MAX;
  Click(*fresh, 92, 4);
  EXPECT_EQ(fresh->Value(), INT_MAX);
}

TEST_F(ControlsTest, HiddenOrInactiveUpDownIgnoresPresses) {
  auto upDown = MakeUpDown();
  upDown->SetValue(5);
  upDown->SetVisible(false);
  Click(*upDown, 92, 4);
  upDown->SetVisible(true);
  upDown->SetState(wsDisabled);
  Click(*upDown, 92, 4);
  EXPECT_EQ(upDown->Value(), 5);
}

TEST_F(ControlsTest, UpDownDrawsCaptionValueAndButtons) {
  auto upDown = MakeUpDown();
  upDown->SetValue(12);
  upDown->Caption = "X";
  upDown->Fonts = {1, 0, 0};
  upDown->Draw(FTarget, 5, 10);
  // Text 4 high centred on y 10 + 10: rows 18..21. Caption at x 5; the value "12" (8 wide)
  // ends 2 pixels before the 8-pixel-wide buttons: 5 + 100 - 8 - 2 - 8 = 87.
  EXPECT_EQ(FTarget.Pixel(5, 18), kYellow);
  EXPECT_EQ(FTarget.Pixel(5, 17), kBackground);
  EXPECT_EQ(FTarget.Pixel(87, 18), kYellow);
  EXPECT_EQ(FTarget.Pixel(86, 18), kBackground);
  EXPECT_EQ(FTarget.Pixel(97, 13), 0x00FF00u);
  EXPECT_EQ(FTarget.Pixel(97, 21), 0x00FF00u);
  upDown->SetVisible(false);
  FTarget.Fill(kBackground);
  upDown->Draw(FTarget, 5, 10);
  EXPECT_EQ(FTarget.Pixel(97, 13), kBackground);
}

TEST_F(ControlsTest, CheckBoxFlipsAndDrawsOnEitherSide) {
  TSefraCheckBox box(10, 10, 60, 10);
  box.SetImages(&FSprites);
  box.Letters = &FLetters;
  box.Caption = "X";
  EXPECT_TRUE(box.MouseDown(10, 10));
  EXPECT_TRUE(box.Checked);
  EXPECT_FALSE(box.MouseDown(70, 10));
  EXPECT_TRUE(box.Checked);

  struct TCase {
    bool CaptionLeft;
    int CaptionX, BoxX;
  };
  // Box 6 x 4 centred in the 10-pixel height: rows 13..16; text rows 13..16.
  for (const TCase& c : {TCase{true, 10, 64}, TCase{false, 21, 10}}) {
    box.CaptionLeft = c.CaptionLeft;
    FTarget.Fill(kBackground);
    box.Draw(FTarget, 0, 0);
    EXPECT_EQ(FTarget.Pixel(c.CaptionX, 13), kWhite);
    EXPECT_EQ(FTarget.Pixel(c.CaptionX - 1, 13), kBackground);
    EXPECT_EQ(FTarget.Pixel(c.BoxX, 13), 0x0000FFu);
    EXPECT_EQ(FTarget.Pixel(c.BoxX + 5, 16), 0x0000FFu);
    EXPECT_EQ(FTarget.Pixel(c.BoxX, 12), kBackground);
  }
}

TEST_F(ControlsTest, SelectorCyclesWithinItsTextSizedBox) {
  TSefraSelector selector(10, 10);
  selector.Letters = &FLetters;
  selector.Caption = Cp1251("Тип бочки:");
  selector.Items = {"A", "B", "C"};
  selector.ItemIndex = 2;
  EXPECT_EQ(selector.GetText(), Cp1251("&0Тип бочки: C"));
  const int width = FLetters.TextWidth(selector.GetText());
  EXPECT_TRUE(selector.MouseDown(10 + width - 1, 13));
  EXPECT_EQ(selector.ItemIndex, 0);
  EXPECT_FALSE(selector.MouseDown(10 + width, 10));
  EXPECT_FALSE(selector.MouseDown(10, 14));
  EXPECT_FALSE(selector.MouseDown(9, 10));
  selector.CycleOnClick = false;
  EXPECT_TRUE(selector.MouseDown(10, 10));
  EXPECT_EQ(selector.ItemIndex, 0);
  selector.ItemIndex = 7;
  EXPECT_EQ(selector.GetText(), Cp1251("&0Тип бочки:"));
  selector.Letters = nullptr;
  EXPECT_FALSE(selector.MouseDown(10, 10));
}

TEST_F(ControlsTest, SelectorTextIsCentredOnItsTop) {
  TSefraSelector selector(10, 10);
  selector.Letters = &FLetters;
  selector.Caption = "X";
  selector.Draw(FTarget, 0, 0);
  EXPECT_EQ(FTarget.Pixel(10, 8), kWhite);
  EXPECT_EQ(FTarget.Pixel(10, 7), kBackground);
}

TEST_F(ControlsTest, HiddenControlsPassThePressOn) {
  TSefraControlCollection controls;
  auto hiddenBox = std::make_unique<TSefraCheckBox>(0, 0, 50, 20);
  hiddenBox->SetVisible(false);
  auto hiddenSelector = std::make_unique<TSefraSelector>(0, 0);
  hiddenSelector->Letters = &FLetters;
  hiddenSelector->Caption = "XXXX";
  hiddenSelector->SetVisible(false);
  controls.AddControl("box", std::move(hiddenBox));
  controls.AddControl("choice", std::move(hiddenSelector));
  controls.AddControl("updown", MakeUpDown());
  controls.AddControl("last", std::make_unique<TSefraCheckBox>(0, 0, 50, 20));
  EXPECT_EQ(controls.MouseDown(1, 1, 0, 0), 3);
  EXPECT_FALSE(static_cast<TSefraCheckBox*>(controls.GetControl(0))->Checked);
  EXPECT_EQ(static_cast<TSefraSelector*>(controls.GetControl(1))->ItemIndex, 0);
  // The up-down presses its button yet lets the press go on.
  EXPECT_EQ(controls.MouseDown(93, 12, 0, 0), -1);
  EXPECT_EQ(static_cast<TSefraUpDown*>(controls.GetControl(2))->DownButton().State(), wsDisabled);
  EXPECT_EQ(controls.MouseDown(93, 4, 0, 0), -1);
  for (int tick = 0; tick < TSefraUpDown::PressedLookTicks; ++tick) controls.Update();
  EXPECT_EQ(static_cast<TSefraUpDown*>(controls.GetControl(2))->Value(), 1);
}

TEST(ControlCollection, LooksNamesUpExactly) {
  TSefraControlCollection controls;
  controls.AddControl("Box", std::make_unique<TSefraCheckBox>(0, 0, 1, 1));
  EXPECT_EQ(controls.IndexOfName("Box"), 0);
  EXPECT_EQ(controls.IndexOfName("box"), -1);
  EXPECT_EQ(controls.GetName(0), "Box");
  EXPECT_EQ(controls.GetControl(1), nullptr);
  EXPECT_EQ(controls.GetControl(0)->Kind(), TWidgetKind::wkCheckBox);
}

}  // namespace
