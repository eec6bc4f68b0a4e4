#pragma once

#include <memory>
#include <string>

#include "gfx/dx_button.h"
#include "gfx/named_widgets.h"

// A screen's push buttons by name; names are looked up without regard to letter case.
class TSefraButtonCollection : public TNamedWidgets<TSefraDXButton> {
public:
  // Appends and gives the index; a null button adds nothing (-1).
  int AddButton(const std::string& name, std::unique_ptr<TSefraDXButton> button) {
    return Add(name, std::move(button));
  }
  TSefraDXButton* GetButton(int index) const { return Get(index); }
  int IndexOfName(const std::string& name) const;
  // The button of that name, or nullptr.
  TSefraDXButton* FindButton(const std::string& name) const { return Get(IndexOfName(name)); }
  // Ticks every button; true when at least one pressed look ended.
  bool Tick();
};
