#pragma once

#include <string>

#include "gfx/widget.h"
#include "gfx/widget_text.h"

// A caption and a box image that shows whether the value is set; a press flips it.
class TSefraCheckBox : public TSefraDXClass, public TWidgetText {
public:
  TSefraCheckBox(int left, int top, int width, int height);

  bool MouseDown(int x, int y) override;
  void Draw(TSurface& target, int offsetX, int offsetY) const override;

  bool Checked = false;
  std::string Caption;
  // true: caption at the left edge, box at the right edge; false: box at the left edge,
  // caption 5 pixels to its right.
  bool CaptionLeft = true;
  std::string OnImage = "CHECKON";
  std::string OffImage = "CHECKOFF";
};
