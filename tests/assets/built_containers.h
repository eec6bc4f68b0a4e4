#pragma once

#include <gtest/gtest.h>

#include <string>

#include "gfx/graph_collection.h"

// The containers the build left beside the executable, loaded with the game's reader.
inline TGraphCollection LoadBuiltContainer(const std::string& fileName) {
  TGraphCollection collection;
  collection.FileName = std::string(THOUSAND_RUNTIME_DIR) + "/" + fileName;
  EXPECT_TRUE(collection.LoadFromFile()) << collection.FileName;
  return collection;
}

// The height every line of the bitmap font has (all glyphs share it).
inline int FontLineHeight() {
  const TGraphCollection font = LoadBuiltContainer("font.col");
  return font.Count() > 0 ? font.GetGraphic(0).Height : 0;
}
