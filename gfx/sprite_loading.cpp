#include "gfx/sprite_loading.h"

#include <string>

#include "gfx/graph_collection.h"
#include "gfx/surface_collection.h"

void LoadSprites(const TGraphCollection& container, TSurfaceSortCollection& sprites,
                 const std::function<void()>& pump) {
  sprites.Clear();
  for (int i = 0; i < container.Count(); ++i) {
    const int index = sprites.AddSurface(std::string(container.GetName(i)), container.GetGraphic(i));
    if (index >= 0) sprites.GetSurface(index)->SetColorKey(container.GetColorKey(i));
    if (pump) pump();
  }
}
