#pragma once

#include <memory>
#include <string>

#include "gfx/dx_button.h"
#include "gfx/widget_text.h"

// A number field: the caption on the left, the value right-aligned before two small buttons,
// up above down, each click moving the value by Step within [Min, Max].
class TSefraUpDown : public TSefraDXClass, public TWidgetText {
public:
  static constexpr int PressedLookTicks = 3;

  TSefraUpDown(int left, int top, int width, int height);

  // These three also pass the images on to the buttons and lay them out again.
  void SetImages(const TSurfaceSortCollection* images) override;
  void SetHeight(int value) override;
  void SetWidth(int value) override;
  // Presses the button under the point but always gives false, so the controls after this
  // one are asked as well.
  bool MouseDown(int x, int y) override;
  void Draw(TSurface& target, int offsetX, int offsetY) const override;
  // Runs the buttons' pressed looks and applies their clicks.
  void Update() override;

  // Each button takes its normal, pressed and disabled image and one mask for all three states.
  void SetButtonImages(const std::string& upNormal, const std::string& upPressed, const std::string& upDisabled,
                       const std::string& upMask, const std::string& downNormal, const std::string& downPressed,
                       const std::string& downDisabled, const std::string& downMask);
  void SetMin(int value);
  void SetMax(int value);
  // Brought into [Min, Max]; sets Changed.
  void SetValue(int value);
  // Up is disabled at Max, down at Min; a button leaves wsDisabled when the value moves away.
  void UpdateArrows();
  // Puts the buttons at the right edge of the box, meeting at its middle line.
  void Layout();

  int Min() const { return FMin; }
  int Value() const { return FValue; }
  int Max() const { return FMax; }
  int ButtonsWidth() const { return FButtonsWidth; }
  TSefraDXButton& UpButton() { return *FUpButton; }
  TSefraDXButton& DownButton() { return *FDownButton; }
  const TSefraDXButton& UpButton() const { return *FUpButton; }
  const TSefraDXButton& DownButton() const { return *FDownButton; }

  std::string Caption;
  int Step = 1;
  bool Changed = false;

private:
  void RelayoutButtons();
  void ApplyClicks(TSefraDXButton& button, long long change);

  int FMin = 0;
  int FValue = 0;
  int FMax = 100;
  int FButtonsWidth = 0;
  std::unique_ptr<TSefraDXButton> FUpButton;
  std::unique_ptr<TSefraDXButton> FDownButton;
};
