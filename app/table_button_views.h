#pragma once

#include <optional>
#include <string_view>

#include "game/table_buttons.h"
#include "gfx/button_collection.h"

class TSurfaceSortCollection;

// The look a drawn button takes for a table button's state.
TWidgetState LookOf(TButtonState state);

// The table's four drawn buttons ("BT_DO", "BT_CANCEL", "BT_START", "BT_MENU" at their places,
// with their images and the mask "BT_MASK"). They keep no state of their own: each use shows
// the game's buttons as they are.
class TTableButtonViews {
public:
  explicit TTableButtonViews(const TSurfaceSortCollection* sprites);

  // The drawn buttons in the looks of `buttons`, for the table's paint.
  const TSefraButtonCollection& Show(const TTableButtons& buttons);
  // The button whose drawn one takes a press at (x, y) in its current look: only a normal one.
  std::optional<TTableButtons::TIndex> ButtonAt(const TTableButtons& buttons, int x, int y);
  // The drawn button of a name (its place and images), or nullptr.
  const TSefraDXButton* FindButton(std::string_view name) const;

private:
  TSefraButtonCollection FWidgets;
};
