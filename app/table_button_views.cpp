#include "app/table_button_views.h"

#include <memory>
#include <string>

#include "app/table_zones.h"

namespace {

// Both state types number normal, pressed and disabled alike.
static_assert(static_cast<int>(TButtonState::Normal) == static_cast<int>(TWidgetState::wsNormal) &&
              static_cast<int>(TButtonState::Pressed) == static_cast<int>(TWidgetState::wsPressed) &&
              static_cast<int>(TButtonState::Disabled) == static_cast<int>(TWidgetState::wsDisabled));

struct TTableButtonPlace {
  TPlace Corner;
  const char* Images;
};

// In the order of TTableButtons::TIndex.
constexpr TTableButtonPlace kPlaces[TTableButtons::Count] = {
    {TTableZones::ThrowButton, "BT_DO|BT1_DO|BT2_DO"},
    {TTableZones::RecordButton, "BT_CAN|BT1_CAN|BT2_CAN"},
    {TTableZones::StartButton, "BT_START|BT1_START|BT2_START"},
    {TTableZones::MenuButton, "BT_MENU|BT1_MENU|BT2_MENU"},
};

}  // namespace

TWidgetState LookOf(TButtonState state) { return static_cast<TWidgetState>(state); }

TTableButtonViews::TTableButtonViews(const TSurfaceSortCollection* sprites) {
  for (int i = 0; i < TTableButtons::Count; ++i) {
    auto widget = std::make_unique<TSefraDXButton>();
    widget->SetImages(sprites);
    widget->SetLeft(kPlaces[i].Corner.X);
    widget->SetTop(kPlaces[i].Corner.Y);
    widget->SetImageNames(kPlaces[i].Images);
    widget->SetMaskNames("BT_MASK|BT_MASK|BT_MASK");
    FWidgets.AddButton(std::string(TTableButtons::Names[i]), std::move(widget));
  }
}

const TSefraButtonCollection& TTableButtonViews::Show(const TTableButtons& buttons) {
  for (int i = 0; i < TTableButtons::Count; ++i)
    FWidgets.GetButton(i)->SetState(LookOf(buttons[static_cast<TTableButtons::TIndex>(i)].State()));
  return FWidgets;
}

std::optional<TTableButtons::TIndex> TTableButtonViews::ButtonAt(const TTableButtons& buttons, int x, int y) {
  Show(buttons);
  const int hit = FWidgets.MouseDown(x, y, 0, 0);
  if (hit < 0) return std::nullopt;
  return static_cast<TTableButtons::TIndex>(hit);
}

const TSefraDXButton* TTableButtonViews::FindButton(std::string_view name) const {
  return FWidgets.FindButton(std::string(name));
}
