#include "gfx/control_collection.h"

int TSefraControlCollection::IndexOfName(const std::string& name) const {
  for (int i = 0; i < Count(); ++i)
    if (FEntries[i].first == name) return i;
  return -1;
}

void TSefraControlCollection::Update() {
  for (auto& entry : FEntries) entry.second->Update();
}
