#pragma once

#include "game/table_buttons.h"

class TSefraButtonCollection;
class TSefraDXButton;
class TSurfaceSortCollection;

// A drawn button standing in for one of the game's table buttons, so the rules drive what the
// player sees and presses. The widget is owned by its button collection, not by this.
class TTableButtonWidget final : public ITableButton {
public:
  explicit TTableButtonWidget(TSefraDXButton& widget) : FWidget(widget) {}
  TButtonState State() const override;
  void SetState(TButtonState state) override;
  void SetPressTicks(int ticks) override;
  bool Tick() override;
  bool Clicked() override;

private:
  TSefraDXButton& FWidget;
};

// Fills `buttons` with the table's four drawn buttons ("BT_DO", "BT_CANCEL", "BT_START",
// "BT_MENU" at their places, with their images and the mask "BT_MASK") and puts them in place
// of the game's buttons: the throw and record buttons disabled, the other two normal. The
// collection must live as long as the game uses its buttons; calling again rebuilds both.
void CreateTableButtons(TTableButtons& table, TSefraButtonCollection& buttons, const TSurfaceSortCollection* sprites);
