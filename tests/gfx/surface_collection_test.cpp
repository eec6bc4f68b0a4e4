#include "gfx/surface_collection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/graph_collection.h"
#include "gfx/sprite_loading.h"
#include "gfx/state_names.h"
#include "tests/gfx/fixtures.h"

namespace {

TSurfaceSortCollection SortedOf(const std::vector<std::string>& names) {
  TSurfaceSortCollection list;
  for (const std::string& name : names) list.AddSurface(name, fixtures::Filled(1, 1, 1));
  return list;
}

std::vector<std::string> NamesOf(const TSurfaceCollection& list) {
  std::vector<std::string> names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(list.GetName(i));
  return names;
}

struct TFindCase {
  std::vector<std::string> Names;
  std::string Sought;
  bool Found;
  int Index;
};

TEST(SurfaceSortCollection, FindGivesTheEntryOrTheInsertionPoint) {
  const TFindCase cases[] = {
      {{}, "A", false, 0},
      {{"A", "C", "E"}, "D", false, 2},
      {{"A", "C", "E"}, "F", false, 3},
      {{"A", "C", "E"}, "A", true, 0},
      {{"A", "C", "E"}, "E", true, 2},
      {{"A", "C", "E"}, "0", false, 0},
      {{"A", "C", "E"}, "a", false, 3},
      {{"A"}, "A", true, 0},
      {{"A"}, "B", false, 1},
      {{"B1", "B2", "B3", "B4", "B5", "B6", "B7"}, "B45", false, 4},
      {{"B1", "B2", "B3", "B4", "B5", "B6", "B7"}, "B6", true, 5},
  };
  for (const TFindCase& c : cases) {
    const TFindResult result = SortedOf(c.Names).Find(c.Sought);
    EXPECT_EQ(result.Found, c.Found) << c.Sought;
    EXPECT_EQ(result.Index, c.Index) << c.Sought;
  }
}

TEST(SurfaceSortCollection, KeepsByteOrderNotLocaleOrder) {
  // '1' is 0x31 and '_' 0x5F; a byte above 0x7F sorts after every ASCII byte.
  const TSurfaceSortCollection list = SortedOf({"BT_OK", "bt_ok", "BT1_OK", "\xC0", "BT", "BT_O"});
  EXPECT_EQ(NamesOf(list), (std::vector<std::string>{"BT", "BT1_OK", "BT_O", "BT_OK", "bt_ok", "\xC0"}));
}

TEST(SurfaceSortCollection, AddSurfaceReplacesByName) {
  TSurfaceSortCollection list = SortedOf({"A", "B"});
  EXPECT_EQ(list.AddSurface("B", fixtures::Filled(4, 2, 7)), 1);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.FindSurface("B")->Width(), 4);
  EXPECT_EQ(list.FindSurface("b"), nullptr);
}

TEST(SurfaceSortCollection, RefusesUnusableImagesAndUnnamedSurfaces) {
  TSurfaceSortCollection list = SortedOf({"A"});
  TImage broken = fixtures::Filled(2, 2, 1);
  broken.Pixels.resize(1);
  EXPECT_EQ(list.AddSurface("B", broken), -1);
  EXPECT_EQ(list.AddSurface("A", broken), -1);
  EXPECT_EQ(list.FindSurface("A")->Width(), 1);
  EXPECT_EQ(list.AddFromDIB(fixtures::Filled(1, 1, 1)), -1);
  list.AddFromBitmap(fixtures::Filled(1, 1, 1));
  EXPECT_EQ(list.Count(), 1);
}

TEST(SurfaceCollection, AppendsUnnamedSurfacesAndFreesOnDelete) {
  TSurfaceCollection list;
  EXPECT_EQ(list.AddFromDIB(fixtures::Filled(2, 1, 1)), 0);
  list.AddFromBitmap(fixtures::Filled(3, 1, 1));
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.GetName(1), "");
  EXPECT_EQ(list.GetSurface(1)->Width(), 3);
  EXPECT_EQ(list.GetSurface(2), nullptr);
  EXPECT_EQ(list.GetSurface(-1), nullptr);
  list.Delete(0);
  list.Delete(5);
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.GetSurface(0)->Width(), 3);
}

TEST(StateNames, SplitsIntoThreeNames) {
  using TNames = std::array<std::string, 3>;
  const std::pair<const char*, TNames> cases[] = {
      {"A", {"A", "", ""}},
      {"A|B", {"A", "B", ""}},
      {"A|B|C", {"A", "B", "C"}},
      {"A|B|C|D", {"A", "B", "C"}},
      {"", {"", "", ""}},
      {"|B|", {"", "B", ""}},
      {"BT_DO|BT1_DO|BT2_DO", {"BT_DO", "BT1_DO", "BT2_DO"}},
  };
  for (const auto& [text, names] : cases) EXPECT_EQ(SplitStateNames(text), names) << text;
}

TEST(LoadSprites, TakesEveryEntryWithItsNameAndColourKey) {
  TGraphCollection container;
  container.AddGraphic(gkBitmap, "BT_OK", fixtures::Bmp(fixtures::Pattern({"#m"})));
  container.AddGraphic(gkBitmap, "BACK", fixtures::Bmp(fixtures::Filled(3, 2, 0x0000FF)));
  container.SetColorKey(0, 0xFFFFFF);
  TSurfaceSortCollection sprites = SortedOf({"OLD"});
  int pumped = 0;
  LoadSprites(container, sprites, [&] { ++pumped; });

  EXPECT_EQ(NamesOf(sprites), (std::vector<std::string>{"BACK", "BT_OK"}));
  EXPECT_EQ(pumped, 2);
  EXPECT_EQ(sprites.FindSurface("BT_OK")->ColorKey(), 0xFFFFFFu);
  EXPECT_EQ(sprites.FindSurface("BACK")->ColorKey(), 0u);
  EXPECT_EQ(sprites.FindSurface("BACK")->Pixel(2, 1), 0x0000FFu);
}

}  // namespace
