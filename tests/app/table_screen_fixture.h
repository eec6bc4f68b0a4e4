#pragma once

#include <string>

#include "app/table_zones.h"
#include "game/game.h"
#include "gfx/button_collection.h"
#include "tests/app/window_fixture.h"

// The real main window on the built containers, with players added through the controller
// and the mouse pressed where a table button's mask is visible.
class TTableScreenTest : public TWindowTest {
protected:
  void SetUp() override {
    Form = MakeForm();
    Form->FormShow();
    ASSERT_EQ(Form->LoadError, 0);
  }

  void AddPlayer(const std::string& name, std::uint8_t kind) {
    TPlayer player;
    player.FName = name;
    player.FKind = kind;
    Form->Game->AddPlayer(player);
    Form->Game->UpdateButtons();
  }

  // A point of the button where its mask has a visible pixel.
  std::pair<int, int> PointOn(const std::string& name) const {
    const TSefraDXButton* button = Form->TableButtons.FindButton(name);
    const TSurface* mask = Form->Sprites.FindSurface("BT_MASK");
    if (!button || !mask) return {-1, -1};
    for (int y = mask->Height() / 2; y < mask->Height(); ++y)
      for (int x = mask->Width() / 2; x < mask->Width(); ++x)
        if (mask->Pixel(x, y) != 0) return {button->Left() + x, button->Top() + y};
    return {-1, -1};
  }
  void Click(const std::string& name) {
    const auto [x, y] = PointOn(name);
    Form->DXDrawMouseDown(TMouseButton::mbLeft, x, y);
  }
  void ClickBanner() {
    const TPlace middle = MiddleOf(TTableZones::BannerStrip);
    Form->DXDrawMouseDown(TMouseButton::mbLeft, middle.X, middle.Y);
  }
  TWidgetState StateOf(const std::string& name) const { return LookOf(Form->Game->Buttons().Find(name)->State()); }
  void Steps(int count) {
    for (int i = 0; i < count; ++i) Form->LocalTableStep();
  }
  int Played(int effect) const { return static_cast<int>(std::count(Sound.Played.begin(), Sound.Played.end(), effect)); }

  std::unique_ptr<TfmMain> Form;
};
