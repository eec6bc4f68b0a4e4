#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "game/game.h"
#include "tests/game/game_test_access.h"
#include "tests/game/table_art.h"

namespace {

class TableViewTest : public ::testing::Test {
protected:
  void SetUp() override { Target.SetSize(600, 420); }

  void AddPlayer(const std::string& name, int total, bool entered = true) {
    TPlayer player;  // shown at once, as from a saved game
    player.FName = name;
    player.FScore = total;
    player.FEntered = entered;
    Game.AddLoadedPlayer(player);
  }
  void Draw() { TTableView(Game, Art.Art()).Draw(Target, Target.FullRect()); }
  static int Row(int index) { return TTableView::FirstRowMiddle + TTableView::RowPitch * index; }
  // The sprite colour under the status column of a row, or BACK.
  std::uint32_t IconAt(int row) const { return Target.Pixel(350, Row(row)); }
  std::string Text(int row, int x0, int x1) const { return TTableArtFixture::ReadText(Target, Row(row), x0, x1).Text; }

  TGame Game;
  TTableArtFixture Art;
  TSurface Target;
};

TEST_F(TableViewTest, HeadsAndRowsSitInTheirPlacesWithTheCurrentPlayerInColourTwo) {
  AddPlayer("Ann", 120);
  AddPlayer("Bob", 35);
  AddPlayer("Cid", 0);
  Game.SetCurrentPlayer(1);
  TGameTestAccess::Player(Game, 1).FBolts = 2;
  Draw();

  const std::pair<const char*, int> heads[] = {{"STAT", 342}, {"SCORE", 492}, {"BOLT", 524}, {"BARREL", 560}};
  for (const auto& [head, x] : heads) {
    EXPECT_EQ(Target.Pixel(x, 22), TTableArtFixture::ColorOf(head)) << head;
    EXPECT_EQ(Target.Pixel(x + 15, 37), TTableArtFixture::ColorOf(head)) << head;
    EXPECT_EQ(Target.Pixel(x + 15, 38), TTableArtFixture::Back) << head;
  }
  const char* names[] = {"Ann", "Bob", "Cid"};
  const char* scores[] = {"120", "35", "0"};
  for (int row = 0; row < 3; ++row) {
    SCOPED_TRACE(row);
    const auto name = TTableArtFixture::ReadText(Target, Row(row), 378, 470);
    EXPECT_EQ(name.Text, names[row]);
    EXPECT_EQ(name.Fonts, row == 1 ? 1 << 2 : 1 << 0);
    // Text lines are centred on the row's middle line: 7 high, from middle - 3.
    EXPECT_EQ(Target.Pixel(381, Row(row) - 3) >> 8 & 0xFF, 0xE0u);
    EXPECT_EQ(Target.Pixel(381, Row(row) - 4), TTableArtFixture::Back);
    EXPECT_EQ(Target.Pixel(380, Row(row)) >> 8 & 0xFF, 0xE0u) << "names start at x 380";
    EXPECT_EQ(Text(row, 480, 521), scores[row]);
    // Right-aligned on 520, the glyph gap after the last glyph included.
    EXPECT_EQ(Target.Pixel(517, Row(row)) >> 8 & 0xFF, 0xE0u);
    EXPECT_EQ(Target.Pixel(518, Row(row)), TTableArtFixture::Back);
    EXPECT_EQ(Text(row, 528, 552), row == 1 ? "2" : "0");
    EXPECT_EQ(Text(row, 560, 599), "0/0");
    // "PN_UP" on the current row only, left of the status icons.
    EXPECT_EQ(Target.Pixel(340, Row(row)), row == 1 ? TTableArtFixture::ColorOf("PN_UP") : TTableArtFixture::Back);
  }
  EXPECT_EQ(Target.Pixel(340, Row(1) - 10), TTableArtFixture::ColorOf("PN_UP"));
  EXPECT_EQ(Target.Pixel(340, Row(1) - 11), TTableArtFixture::Back);
}

struct TIconCase {
  const char* Name;
  friend void PrintTo(const TIconCase& c, std::ostream* out) { *out << c.Name; }
  int Total;
  bool Entered;
  void (*Rules)(TGameOptions&);
  const char* Icon;  // nullptr: none
};

const TIconCase kIconCases[] = {
    {"NotEntered", 0, false, [](TGameOptions&) {}, "SCORE"},
    {"NotEnteredWithoutEntryRule", 0, false, [](TGameOptions& o) { o.NEEDENTERGAME = false; }, nullptr},
    {"Entered", 100, true, [](TGameOptions&) {}, nullptr},
    {"HoleReadsTheBoundsOnly", 250, true, [](TGameOptions& o) { o.ISHOLE1 = false; }, "SPADE"},
    {"SecondHole", 650, true, [](TGameOptions&) {}, "SPADE"},
    {"HoleUpperBoundIsOut", 300, true, [](TGameOptions&) {}, nullptr},
    {"HoleCoversEntry", 250, false, [](TGameOptions&) {}, "SPADE"},
    {"Winner", 1000, true, [](TGameOptions&) {}, "STAT"},
    {"WinnerOnScoreBarrel", 1000, true, [](TGameOptions& o) { o.BARRELSTYPE = 1; }, "STAT"},
    {"OnScoreBarrel", 880, true, [](TGameOptions& o) { o.BARRELSTYPE = 1; }, "BARREL"},
    {"OpenBarrelHasNoIcon", 950, true, [](TGameOptions& o) { o.BARRELSTYPE = 2; }, nullptr},
};

class StatusIconTest : public TableViewTest, public ::testing::WithParamInterface<TIconCase> {};

TEST_P(StatusIconTest, ShowsTheTopmostIcon) {
  const TIconCase& c = GetParam();
  EditRules(Game, c.Rules);
  AddPlayer("P", c.Total, c.Entered);
  TGameTestAccess::SetCurrentIndex(Game, 1);  // someone else's turn: no "PN_UP" under the icons
  Draw();
  EXPECT_EQ(IconAt(0), c.Icon ? TTableArtFixture::ColorOf(c.Icon) : TTableArtFixture::Back);
  // Centred on the middle line: 16 high, from middle - 8.
  if (c.Icon) {
    EXPECT_EQ(Target.Pixel(342, Row(0) - 8), TTableArtFixture::ColorOf(c.Icon));
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, StatusIconTest, ::testing::ValuesIn(kIconCases),
                         [](const auto& info) { return std::string(info.param.Name); });

// Whatever its standing, a player the computer stands in for shows the computer alone.
TEST_F(TableViewTest, AStandInShowsTheComputerInsteadOfItsStatusIcons) {
  AddPlayer("Gone", 250, false);
  AddPlayer("Here", 250, false);
  TGameTestAccess::Player(Game, 0).FStandIn = true;
  TGameTestAccess::SetCurrentIndex(Game, 2);
  Draw();
  EXPECT_EQ(IconAt(0), TTableArtFixture::ColorOf("COMP"));
  EXPECT_EQ(IconAt(1), TTableArtFixture::ColorOf("SPADE"));
  EXPECT_EQ(Text(0, 380, 470), "Gone");
}

TEST_F(TableViewTest, BarrelCountersLeaveOutTheSeatOnTheScoreBarrelOnly) {
  Game.StartGame();  // the player takes a seat at 850 in a game under way
  AddPlayer("P", 850);
  Game.SetCurrentPlayer(0);
  TGameTestAccess::SetTurnScore(Game, 100);
  Game.RecordTurn();  // gets onto the score barrel at 880
  Draw();
  EXPECT_EQ(IconAt(0), TTableArtFixture::ColorOf("BARREL"));
  EXPECT_EQ(Text(0, 560, 599), "0/0");
  Game.LoseTurn();
  Draw();
  EXPECT_EQ(Text(0, 560, 599), "0/1");
  Game.LoseTurn();
  Game.LoseTurn();  // the third miss there is a fall
  Draw();
  EXPECT_EQ(Text(0, 560, 599), "1/0");

  SetRule(Game, &TGameOptions::BARRELSTYPE, 2);
  TGameTestAccess::Player(Game, 0) = TPlayer();
  TGameTestAccess::Player(Game, 0).FScore = 900;
  Game.BarrelMiss(0, true, false);
  Game.BarrelMiss(0, true, false);  // two overshoots on the open barrel
  Draw();
  EXPECT_EQ(Text(0, 560, 599), "0/2");
}

TEST_F(TableViewTest, TraysShowKeptAndLooseRowDiceSideBySideOnBlack) {
  const bool kept[] = {false, true, false, true, false};
  for (int slot = 0; slot < 5; ++slot) {
    TGameTestAccess::RowDie(Game, slot).SetPose(slot + 1);
    TGameTestAccess::RowDie(Game, slot).Kept = kept[slot];
  }
  const auto colorOf = [&](int slot) {
    const TZarnik& die = Game.RowDice()[slot];
    return TTableArtFixture::DieColor(die.Face, die.SpinAngle() / 8);
  };
  Draw();
  const int keptSlots[] = {1, 3};
  const int looseSlots[] = {0, 2, 4};
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(Target.Pixel(4 + 66 * i, 4), colorOf(keptSlots[i]));
    EXPECT_EQ(Target.Pixel(4 + 66 * i + 65, 4 + 87), colorOf(keptSlots[i]));
  }
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(Target.Pixel(4 + 66 * i, 264), colorOf(looseSlots[i]));
    EXPECT_EQ(Target.Pixel(4 + 66 * i + 65, 264 + 87), colorOf(looseSlots[i]));
  }
  EXPECT_EQ(Target.Pixel(136, 4), 0u);
  EXPECT_EQ(Target.Pixel(333, 91), 0u);
  EXPECT_EQ(Target.Pixel(202, 264), 0u);
  EXPECT_EQ(Target.Pixel(333, 351), 0u);
  // Outside the trays the background.
  EXPECT_EQ(Target.Pixel(334, 4), TTableArtFixture::Back);
  EXPECT_EQ(Target.Pixel(4, 92), TTableArtFixture::Back);
  EXPECT_EQ(Target.Pixel(4, 263), TTableArtFixture::Back);
  EXPECT_EQ(Target.Pixel(4, 352), TTableArtFixture::Back);
}

TEST_F(TableViewTest, AHiddenDieLeavesNoPlaceAndAMissingSpriteKeepsItsPlace) {
  for (int slot = 0; slot < TGame::DiceCount; ++slot) TGameTestAccess::RowDie(Game, slot).SetPose(2);
  TGameTestAccess::RowDie(Game, 0).Shown = false;
  TGameTestAccess::RowDie(Game, 1).Face = 9;  // no sprite of that name
  Draw();
  EXPECT_EQ(Target.Pixel(4, 264), 0u);
  EXPECT_EQ(Target.Pixel(70, 264), TTableArtFixture::DieColor(2, Game.RowDice()[2].SpinAngle() / 8));
  EXPECT_EQ(Target.Pixel(268, 264), 0u);
}

TEST_F(TableViewTest, MessageTextShowsOnlyOnAnOpenPanel) {
  const std::string message = "Hi\r\n&1Yo";
  const auto lit = [&] {
    return TTableArtFixture::ReadText(Target, 278 - 5, 400, 540).Text + "|" +
           TTableArtFixture::ReadText(Target, 278 + 5, 400, 540).Text;
  };
  TGameTestAccess::SetMessagePanel(Game, message, 0);
  Draw();
  // Two lines of 7 with spacing 3 make a block of 20 centred on 278: 268..274 and 278..284.
  EXPECT_EQ(lit(), "Hi|Yo");
  EXPECT_EQ(TTableArtFixture::ReadText(Target, 278 + 5, 400, 540).Fonts, 1 << 1);
  EXPECT_EQ(Target.Pixel(467, 278 - 20), TTableArtFixture::ColorOf("PAN_L"));
  EXPECT_EQ(Target.Pixel(468, 278 - 20), TTableArtFixture::ColorOf("PAN_R"));
  for (int phase : {-1, 5, -10, 10, 11}) {
    TGameTestAccess::SetMessagePanel(Game, message, phase);
    Draw();
    EXPECT_EQ(lit(), "|") << phase;
  }
}

TEST_F(TableViewTest, WithoutSpritesOnlyTheTraysAreDrawn) {
  TTableArtFixture empty;
  empty.Sprites.Clear();
  empty.DieSprites.Clear();
  AddPlayer("P", 1000);
  Game.SetCurrentPlayer(0);
  TGameTestAccess::SetMessagePanel(Game, "x", 0);
  Target.Fill(0x123456);
  TTableView(Game, empty.Art()).Draw(Target, Target.FullRect());
  EXPECT_EQ(Target.Pixel(10, 10), 0u);
  EXPECT_EQ(Target.Pixel(10, 300), 0u);
  EXPECT_EQ(Target.Pixel(350, Row(0)), 0x123456u);
  EXPECT_EQ(Target.Pixel(599, 200), 0x123456u);
}

}  // namespace
