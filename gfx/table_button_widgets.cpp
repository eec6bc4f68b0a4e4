#include "gfx/table_button_widgets.h"

#include <memory>

#include "gfx/button_collection.h"

// Both state types number normal, pressed and disabled alike.
static_assert(static_cast<int>(TButtonState::Normal) == static_cast<int>(TWidgetState::wsNormal) &&
              static_cast<int>(TButtonState::Pressed) == static_cast<int>(TWidgetState::wsPressed) &&
              static_cast<int>(TButtonState::Disabled) == static_cast<int>(TWidgetState::wsDisabled));

TButtonState TTableButtonWidget::State() const { return static_cast<TButtonState>(FWidget.State()); }

void TTableButtonWidget::SetState(TButtonState state) { FWidget.SetState(static_cast<TWidgetState>(state)); }

void TTableButtonWidget::SetPressTicks(int ticks) { FWidget.SetPressTicks(ticks); }

bool TTableButtonWidget::Tick() { return FWidget.Tick(); }

bool TTableButtonWidget::Clicked() { return FWidget.Clicked(); }

namespace {

struct TTableButtonPlace {
  TTableButtons::TIndex Index;
  int Left, Top;
  const char* Images;
  bool Enabled;
};

constexpr TTableButtonPlace kPlaces[TTableButtons::Count] = {
    {TTableButtons::Do, 392, 318, "BT_DO|BT1_DO|BT2_DO", false},
    {TTableButtons::Cancel, 494, 318, "BT_CAN|BT1_CAN|BT2_CAN", false},
    {TTableButtons::Start, 494, 357, "BT_START|BT1_START|BT2_START", true},
    {TTableButtons::Menu, 494, 389, "BT_MENU|BT1_MENU|BT2_MENU", true},
};

}  // namespace

void CreateTableButtons(TTableButtons& table, TSefraButtonCollection& buttons, const TSurfaceSortCollection* sprites) {
  // The game's current buttons may be widgets of `buttons`: they stay alive until every one
  // of them has been replaced.
  TSefraButtonCollection created;
  for (const TTableButtonPlace& place : kPlaces) {
    auto widget = std::make_unique<TSefraDXButton>();
    widget->SetImages(sprites);
    widget->SetLeft(place.Left);
    widget->SetTop(place.Top);
    widget->SetImageNames(place.Images);
    widget->SetMaskNames("BT_MASK|BT_MASK|BT_MASK");
    TSefraDXButton& button = *widget;
    created.AddButton(std::string(TTableButtons::Names[place.Index]), std::move(widget));
    table.Replace(place.Index, std::make_unique<TTableButtonWidget>(button));
    // Fresh, whatever the button it replaces was doing.
    button.SetState(place.Enabled ? TWidgetState::wsNormal : TWidgetState::wsDisabled);
    button.SetEnabled(place.Enabled);
    button.Clicked();  // nor a click left over from the one it replaces
  }
  buttons = std::move(created);
}
