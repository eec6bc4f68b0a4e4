#include "gfx/surface_collection.h"

#include <algorithm>

#include "base/image.h"

std::unique_ptr<TSurface> TSurfaceCollection::MakeSurface(const TImage& image) {
  auto surface = std::make_unique<TSurface>();
  if (!surface->LoadImage(image)) return nullptr;
  return surface;
}

void TSurfaceCollection::AddFromBitmap(const TImage& image) { TSurfaceCollection::AddFromDIB(image); }

int TSurfaceCollection::AddFromDIB(const TImage& image) {
  std::unique_ptr<TSurface> surface = MakeSurface(image);
  if (!surface) return -1;
  FEntries.push_back({std::string(), std::move(surface)});
  return Count() - 1;
}

TSurface* TSurfaceCollection::GetSurface(int index) const {
  return InRange(index) ? FEntries[index].Surface.get() : nullptr;
}

const std::string& TSurfaceCollection::GetName(int index) const {
  static const std::string kNone;
  return InRange(index) ? FEntries[index].Name : kNone;
}

void TSurfaceCollection::Delete(int index) {
  if (InRange(index)) FEntries.erase(FEntries.begin() + index);
}

void TSurfaceSortCollection::AddFromBitmap(const TImage&) {}

int TSurfaceSortCollection::AddFromDIB(const TImage&) { return -1; }

// std::string compares its bytes as unsigned char, which is exactly the order wanted here.
TFindResult TSurfaceSortCollection::Find(const std::string& name) const {
  const auto at = std::lower_bound(FEntries.begin(), FEntries.end(), name,
                                   [](const TEntry& entry, const std::string& sought) { return entry.Name < sought; });
  return {at != FEntries.end() && at->Name == name, static_cast<int>(at - FEntries.begin())};
}

TSurface* TSurfaceSortCollection::FindSurface(const std::string& name) const {
  const TFindResult found = Find(name);
  return found.Found ? FEntries[found.Index].Surface.get() : nullptr;
}

int TSurfaceSortCollection::AddSurface(const std::string& name, const TImage& image) {
  std::unique_ptr<TSurface> surface = MakeSurface(image);
  if (!surface) return -1;
  const TFindResult found = Find(name);
  if (found.Found)
    FEntries[found.Index].Surface = std::move(surface);
  else
    FEntries.insert(FEntries.begin() + found.Index, {name, std::move(surface)});
  return found.Index;
}
