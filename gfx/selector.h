#pragma once

#include <string>
#include <vector>

#include "gfx/widget.h"
#include "gfx/widget_text.h"

// A caption followed by the current choice; each press moves on to the next choice. Its
// pressable area is the size of its text, starting at (Left, Top).
class TSefraSelector : public TSefraDXClass, public TWidgetText {
public:
  TSefraSelector(int left, int top);

  // Without Letters nothing can be measured, so nothing is hit.
  bool MouseDown(int x, int y) override;
  void Draw(TSurface& target, int offsetX, int offsetY) const override;

  // The state's font markup, the caption and, when ItemIndex is a choice, a space and that choice.
  std::string GetText() const;

  std::string Caption;
  std::vector<std::string> Items;
  int ItemIndex = 0;
  bool CycleOnClick = true;
};
