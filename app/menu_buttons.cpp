#include "app/menu_buttons.h"

#include <memory>
#include <string_view>

void BuildMenuButtons(TSefraButtonCollection& buttons, std::span<const TMenuButtonPlace> places,
                      const TSurfaceSortCollection* sprites) {
  buttons.Clear();
  for (const TMenuButtonPlace& place : places) {
    auto button = std::make_unique<TSefraDXButton>();
    button->SetImages(sprites);
    button->SetImageNames(place.Images);
    const bool closeBox = std::string_view(place.Name) == "BT_CLOSE";
    button->SetMaskNames(closeBox ? "BT_CLOSEM|BT_CLOSEM|BT_CLOSEM" : "BT_MASK|BT_MASK|BT_MASK");
    button->SetLeft(place.Left);
    button->SetTop(place.Top);
    button->SetState(place.State);
    buttons.AddButton(place.Name, std::move(button));
  }
}

bool PressButtonAt(TSefraButtonCollection& buttons, int x, int y) {
  TSefraDXButton* button = buttons.GetButton(buttons.MouseDown(x, y, 0, 0));
  if (button == nullptr) return false;
  button->Press();
  return true;
}

void AddButtonStops(std::vector<TFocusStop>& stops, const TSefraButtonCollection& buttons,
                    std::span<const TMenuButtonPlace> places) {
  for (const TMenuButtonPlace& place : places) {
    const TSefraDXButton* button = buttons.FindButton(place.Name);
    if (button == nullptr) {
      stops.push_back({{}, false});
      continue;
    }
    // A pressed button keeps the focus: only a disabled one is passed over.
    stops.push_back({ButtonBox(*button), button->State() != TWidgetState::wsDisabled});
  }
}
