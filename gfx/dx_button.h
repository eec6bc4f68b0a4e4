#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/rect.h"
#include "gfx/widget.h"

struct TSize {
  int Width = 0;
  int Height = 0;
};

// A push button drawn from three sprites (normal, pressed, disabled) whose clickable pixels
// are the non-zero pixels of a mask sprite. A press shows the pressed look for a few ticks and
// the click is reported when the look ends.
class TSefraDXButton : public TSefraDXClass {
public:
  static constexpr int PressedLookTicks = 5;

  TSefraDXButton() : TSefraDXClass(TWidgetKind::wkButton) {}

  // Remembers the state it leaves, for Clicked.
  void SetState(TWidgetState state) override;
  // Hit where the normal look's mask, placed at (Left, Top), has a non-zero pixel; only in
  // wsNormal. Visible plays no part for buttons.
  bool MouseDown(int x, int y) override;
  void Draw(TSurface& target, int offsetX, int offsetY) const override;

  // "A|B|C": the names for wsNormal, wsPressed and wsDisabled.
  void SetImageNames(std::string_view names);
  void SetMaskNames(std::string_view names);
  // Empty for a state outside the three.
  const std::string& GetImageName(TWidgetState state) const;
  const std::string& GetMaskName(TWidgetState state) const;
  // The size of the current state's sprite; (0, 0) without images or sprite.
  TSize GetImageSize() const;

  // The pressed look for `ticks` ticks.
  void Press(int ticks = PressedLookTicks);
  // Counts the pressed look down; true on the tick on which it ends and the button is normal again.
  bool Tick();
  // True once after a pressed look has ended.
  bool Clicked();

  int PressTicks() const { return FPressTicks; }
  void SetPressTicks(int ticks) { FPressTicks = ticks; }
  TWidgetState PrevState() const { return FPrevState; }

private:
  static const std::string& NameFor(const std::array<std::string, WidgetStateCount>& names, TWidgetState state);

  std::array<std::string, WidgetStateCount> FImageNames;
  std::array<std::string, WidgetStateCount> FMaskNames;
  int FPressTicks = 0;
  TWidgetState FPrevState = TWidgetState::wsNormal;
};

// The box of a button's current picture.
TRect ButtonBox(const TSefraDXButton& button);

// Enabling a disabled button makes it normal (a pressed one stays pressed); disabling puts it
// into wsDisabled whatever its state.
void SetButtonEnabled(TSefraDXButton& button, bool enabled);
