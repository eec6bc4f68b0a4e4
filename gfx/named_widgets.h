#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

class TSurface;

// Widgets under names, in insertion order; owns them. Presses are offered in that order and
// drawing follows it too.
template <class TWidget>
class TNamedWidgets {
public:
  int Count() const { return static_cast<int>(FEntries.size()); }
  const std::string& GetName(int index) const {
    static const std::string kNone;
    return InRange(index) ? FEntries[index].first : kNone;
  }
  void Delete(int index) {
    if (InRange(index)) FEntries.erase(FEntries.begin() + index);
  }
  void Clear() { FEntries.clear(); }

  // The index of the first widget that takes the press at (x + offsetX, y + offsetY); -1 if none.
  int MouseDown(int x, int y, int offsetX, int offsetY) {
    for (int i = 0; i < Count(); ++i)
      if (FEntries[i].second->MouseDown(x + offsetX, y + offsetY)) return i;
    return -1;
  }
  void Draw(TSurface& target, int offsetX, int offsetY) const {
    for (const auto& entry : FEntries) entry.second->Draw(target, offsetX, offsetY);
  }

protected:
  bool InRange(int index) const { return index >= 0 && index < Count(); }
  TWidget* Get(int index) const { return InRange(index) ? FEntries[index].second.get() : nullptr; }
  int Add(const std::string& name, std::unique_ptr<TWidget> widget) {
    if (!widget) return -1;
    FEntries.emplace_back(name, std::move(widget));
    return Count() - 1;
  }

  std::vector<std::pair<std::string, std::unique_ptr<TWidget>>> FEntries;
};
