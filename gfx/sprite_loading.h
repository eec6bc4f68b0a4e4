#pragma once

#include <functional>

class TGraphCollection;
class TSurfaceSortCollection;

// Empties `sprites` and fills it with one surface per entry of a loaded image container,
// under the entry's name and with its colour key. An image that cannot become a surface is
// left out. `pump` runs after every entry, so a loading window keeps animating.
void LoadSprites(const TGraphCollection& container, TSurfaceSortCollection& sprites,
                 const std::function<void()>& pump = {});
