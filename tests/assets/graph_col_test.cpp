// "graph.col" as built: every sprite the screens look up, at a size that fits its place.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "gfx/graph_collection.h"
#include "tests/assets/built_containers.h"

namespace {

constexpr std::uint32_t SpriteKey = 0x00FF00FF;

const TGraphCollection& Graph() {
  static const TGraphCollection graph = LoadBuiltContainer("graph.col");
  return graph;
}

const TImage& Sprite(const std::string& name) {
  const int index = Graph().IndexOfName(name);
  if (index < 0) throw std::runtime_error("graph.col lacks " + name);
  return Graph().GetGraphic(index);
}

// The three looks of every push button, in the naming the screens use.
std::vector<std::string> PushButtonNames() {
  std::vector<std::string> names;
  for (const char* suffix : {"DO", "CAN", "START", "MENU", "OK", "ADD", "DEL"})
    for (const char* prefix : {"BT_", "BT1_", "BT2_"})
      names.push_back(prefix + std::string(suffix));
  for (const char* stem :
       {"BT_PLAYERS", "BT_OPTIONS", "BT_SAVE", "BT_LOAD", "BT_NET", "BT_BARRELS", "BT_BOLTS",
        "BT_YAMA", "BT_RAZNOE", "BT_RESET", "BT_CANCEL", "BT_SERV", "BT_CL"})
    for (const char* state : {"1", "2", "3"}) names.push_back(stem + std::string(state));
  return names;
}

struct TSizeGroup {
  std::vector<std::string> Names;  // all of the same size
  int MinWidth, MaxWidth, MinHeight, MaxHeight;
};

TEST(GraphCol, BackgroundsHaveExactlyTheirOverlaySizesAndAreJpeg) {
  const struct {
    const char* Name;
    int Width, Height;
  } backgrounds[] = {{"BACK", 600, 420},
                     {"MENU2", 310, 363},
                     {"PLAYERS", 382, 400},
                     {"OPTIONS", 382, 345},
                     {"CL_SERVER", 379, 135}};
  for (const auto& b : backgrounds) {
    SCOPED_TRACE(b.Name);
    EXPECT_EQ(Sprite(b.Name).Width, b.Width);
    EXPECT_EQ(Sprite(b.Name).Height, b.Height);
    EXPECT_EQ(Graph().GetKind(Graph().IndexOfName(b.Name)), gkJPEG);
  }
}

TEST(GraphCol, SpriteGroupsShareOneSizeThatFitsTheirPlace) {
  const int line = FontLineHeight();
  std::vector<std::string> buttons = PushButtonNames();
  buttons.push_back("BT_MASK");
  const std::vector<TSizeGroup> groups = {
      // Column heads and status icons: in a 29-pixel row before the names at x 380.
      {{"STAT"}, 16, 28, 16, 28},
      {{"SCORE"}, 16, 28, 16, 28},
      {{"BOLT"}, 16, 28, 16, 28},
      {{"BARREL"}, 16, 28, 16, 28},
      {{"SPADE"}, 16, 28, 16, 28},
      {{"COMP"}, 16, 28, 16, 28},
      // From x 340 past the barrel counters centred at 576; rows are 29 apart.
      {{"PN_UP"}, 240, 250, 16, 28},
      // Halves meeting at x 468 inside the table's right part (340..596), tall enough for
      // the three-line messages (lines spaced 3), between the score table and the buttons.
      {{"PAN_L", "PAN_R"}, 100, 128, 3 * line + 9, 64},
      // 32 apart in a column; the throw button at 392 must clear the one at 494; the menu
      // button at y 389 must end inside the 420-pixel table.
      {buttons, 80, 100, 20, 31},
      {{"BT_CLOSE1", "BT_CLOSE2", "BT_CLOSE3", "BT_CLOSEM"}, 12, 20, 12, 20},
      // One text line of the bitmap font; each arrow at most half a line.
      {{"CHECKON", "CHECKOFF"}, 8, line, 8, line},
      {{"UP1", "UP2", "UP3", "UPM", "DOWN1", "DOWN2", "DOWN3", "DOWNM"}, 8, 2 * line, 4, line / 2},
  };
  for (const TSizeGroup& group : groups) {
    const TImage& first = Sprite(group.Names.front());
    SCOPED_TRACE(group.Names.front());
    EXPECT_GE(first.Width, group.MinWidth);
    EXPECT_LE(first.Width, group.MaxWidth);
    EXPECT_GE(first.Height, group.MinHeight);
    EXPECT_LE(first.Height, group.MaxHeight);
    for (const std::string& name : group.Names) {
      EXPECT_EQ(Sprite(name).Width, first.Width) << name;
      EXPECT_EQ(Sprite(name).Height, first.Height) << name;
    }
  }
}

TEST(GraphCol, KeyedSpritesHaveTransparentCornersAndNoVisibleKeyOrBlack) {
  std::vector<std::string> keyed = PushButtonNames();
  for (const char* name :
       {"STAT",      "SCORE",     "BOLT",    "BARREL",   "SPADE", "COMP", "PN_UP", "PAN_L", "PAN_R", "BT_CLOSE1",
        "BT_CLOSE2", "BT_CLOSE3", "CHECKON", "CHECKOFF", "UP1",   "UP2",  "UP3",   "DOWN1", "DOWN2", "DOWN3"})
    keyed.push_back(name);
  for (const std::string& name : keyed) {
    SCOPED_TRACE(name);
    const int index = Graph().IndexOfName(name);
    ASSERT_GE(index, 0);
    EXPECT_EQ(Graph().GetKind(index), gkBitmap);
    EXPECT_EQ(Graph().GetColorKey(index), SpriteKey);
    const TImage& image = Graph().GetGraphic(index);
    size_t transparent = 0;
    for (std::uint32_t p : image.Pixels) {
      // Black is left out where the message panel halves are drawn, so no sprite uses it.
      EXPECT_NE(p & 0x00FFFFFF, 0u);
      if ((p & 0x00FFFFFF) == SpriteKey) ++transparent;
    }
    EXPECT_GT(transparent, 0u) << "a shaped sprite needs transparent pixels";
    EXPECT_LT(transparent, image.Pixels.size()) << "nothing visible";
  }
}

TEST(GraphCol, HitMasksCoverTheirButtonsVisiblePixelsOnly) {
  const struct {
    const char* Mask;
    const char* Normal;
  } masks[] = {
      {"BT_MASK", "BT_DO"}, {"BT_CLOSEM", "BT_CLOSE1"}, {"UPM", "UP1"}, {"DOWNM", "DOWN1"}};
  for (const auto& m : masks) {
    SCOPED_TRACE(m.Mask);
    const TImage& mask = Sprite(m.Mask);
    const TImage& normal = Sprite(m.Normal);
    ASSERT_EQ(mask.Width, normal.Width);
    ASSERT_EQ(mask.Height, normal.Height);
    EXPECT_NE(mask.Pixel(mask.Width / 2, mask.Height / 2) & 0x00FFFFFF, 0u);
    for (int y = 0; y < mask.Height; ++y) {
      for (int x = 0; x < mask.Width; ++x) {
        if (mask.Pixel(x, y) & 0x00FFFFFF) {
          EXPECT_NE(normal.Pixel(x, y) & 0x00FFFFFF, SpriteKey) << x << "," << y;
        }
      }
    }
  }
  // Rounded buttons: a press on the very corner misses.
  EXPECT_EQ(Sprite("BT_MASK").Pixel(0, 0) & 0x00FFFFFF, 0u);
  EXPECT_EQ(Sprite("BT_CLOSEM").Pixel(0, 0) & 0x00FFFFFF, 0u);
}

TEST(GraphCol, NamesAreUnique) {
  std::set<std::string> seen;
  for (int i = 0; i < Graph().Count(); ++i)
    EXPECT_TRUE(seen.insert(std::string(Graph().GetName(i))).second) << Graph().GetName(i);
}

TEST(GraphCol, LooksOfAButtonDiffer) {
  for (const char* stem : {"DO", "OK"}) {
    SCOPED_TRACE(stem);
    const TImage& normal = Sprite(std::string("BT_") + stem);
    EXPECT_NE(normal.Pixels, Sprite(std::string("BT1_") + stem).Pixels);
    EXPECT_NE(normal.Pixels, Sprite(std::string("BT2_") + stem).Pixels);
  }
  // Labels differ between buttons drawn from the same template.
  EXPECT_NE(Sprite("BT_DO").Pixels, Sprite("BT_CAN").Pixels);
}

}  // namespace
