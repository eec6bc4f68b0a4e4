#include "app/menu_buttons.h"

#include <memory>
#include <string_view>

void BuildMenuButtons(TSefraButtonCollection& buttons, std::span<const TMenuButtonSpec> specs,
                      const TSurfaceSortCollection* sprites) {
  buttons.Clear();
  for (const TMenuButtonSpec& spec : specs) {
    auto button = std::make_unique<TSefraDXButton>();
    button->SetImages(sprites);
    button->SetImageNames(spec.Images);
    const bool closeBox = std::string_view(spec.Name) == "BT_CLOSE";
    button->SetMaskNames(closeBox ? "BT_CLOSEM|BT_CLOSEM|BT_CLOSEM" : "BT_MASK|BT_MASK|BT_MASK");
    button->SetLeft(spec.Left);
    button->SetTop(spec.Top);
    button->SetState(spec.State);
    buttons.AddButton(spec.Name, std::move(button));
  }
}
