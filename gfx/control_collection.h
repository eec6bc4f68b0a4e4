#pragma once

#include <memory>
#include <string>

#include "gfx/named_widgets.h"
#include "gfx/widget.h"

// A screen's other controls (up-downs, check boxes, selectors) by name; exact name lookup.
class TSefraControlCollection : public TNamedWidgets<TSefraDXClass> {
public:
  // Appends and gives the index; a null control adds nothing (-1).
  int AddControl(const std::string& name, std::unique_ptr<TSefraDXClass> control) {
    return Add(name, std::move(control));
  }
  TSefraDXClass* GetControl(int index) const { return Get(index); }
  // Byte-wise, case-sensitive; -1 if absent.
  int IndexOfName(const std::string& name) const;
  // Once per tick: Update on every control.
  void Update();
};
