// The keyboard on the menu screens: the order the focus ring takes on each, and Enter or Space
// on a stop doing what a click there does.
#include <algorithm>
#include <functional>
#include <utility>

#include "app/menu_buttons.h"
#include "app/settings.h"
#include "gfx/check_box.h"
#include "gfx/selector.h"
#include "gfx/up_down.h"
#include "tests/app/menu_fixture.h"

namespace {

using enum TScreenKind;
using enum TWidgetState;

// Places of a screen by name, told apart by the top left corner of their stop.
using TNamedPlaces = std::vector<std::pair<std::string, TPlace>>;

class MenuFocusTest : public TMenuTest {
protected:
  // Opens a screen as a fresh keyboard player finds it: no ring ye
  void Open(TScreenKind screen) {
    Form->MenuFocus = TFocusRing{};
    Form->SetScreen(screen);
    Ticks(1);
  }

  void Key(int key) { Form->FormKeyDown(key); }
  // A key that types as well, as the window hands both on.
  void TypingKey(int key) {
    Form->FormKeyDown(key);
    Form->FormKeyPress(static_cast<std::uint8_t>(key));
  }

  std::vector<TFocusStop> Stops() { return Form->Screens->Of(Form->CurrentScreen())->FocusStops(); }

  TSefraDXClass& Control(const std::string& key) {
    TSefraControlCollection& controls = *Form->Screens->Options.OptionControls;
    return *controls.GetControl(controls.IndexOfName(key));
  }

  // Every place of the open screen the ring may stop a
  TNamedPlaces Places() {
    TNamedPlaces places;
    for (int i = 0; i < Form->MenuButtons->Count(); ++i) {
      const TSefraDXButton& button = *Form->MenuButtons->GetButton(i);
      places.push_back({Form->MenuButtons->GetName(i), {button.Left(), button.Top()}});
    }
    if (Form->CurrentScreen() == skMainMenu) {
      const auto line = [this](TPlace at, const char* utf8) {
        return TPlace{at.X, at.Y - Form->Letters.LineHeight(Cp1251(utf8)) / 2};
      };
      places.push_back({"author", line(TMainMenuZones::AuthorLine, "Проект \"Тысяча\"")});
      places.push_back({"rules page", line(TMainMenuZones::WebLine, "Правила игры: rules.html")});
    }
    if (Form->CurrentScreen() == skPlayers) {
      using Z = TPlayersZones;
      for (int row = 0; row < TPlayers::MaxPlayers; ++row)
        places.push_back({"row " + std::to_string(row), {Z::Row(row).Left, Z::Row(row).Top}});
      places.push_back({"name", {Z::NameField.Left, Z::NameField.Top}});
      places.push_back({"kind", {Z::KindLine.Left, Z::KindLine.Top}});
      places.push_back({"level", {Z::LevelLine.Left, Z::LevelLine.Top}});
    }
    if (Form->CurrentScreen() == skOptions) {
      const TSefraControlCollection& controls = *Form->Screens->Options.OptionControls;
      for (int i = 0; i < controls.Count(); ++i) {
        const TSefraDXClass& control = *controls.GetControl(i);
        const std::string& name = controls.GetName(i);
        if (!control.Visible()) continue;  // the other pages' share the places
        if (control.Kind() != TWidgetKind::wkUpDown) {
          places.push_back({name, {control.Left(), control.Top()}});
          continue;
        }
        const auto& upDown = static_cast<const TSefraUpDown&>(control);
        places.push_back({name + " up", {upDown.UpButton().Left(), upDown.UpButton().Top()}});
        places.push_back({name + " down", {upDown.DownButton().Left(), upDown.DownButton().Top()}});
      }
    }
    if (Form->CurrentScreen() == skNetwork)
      places.push_back({"address", {TNetworkZones::AddressField.Left, TNetworkZones::AddressField.Top}});
    return places;
  }

  std::string Focused() {
    const int index = Form->MenuFocus.Index();
    const std::vector<TFocusStop> stops = Stops();
    if (index < 0 || index >= static_cast<int>(stops.size())) return "none";
    const TRect& box = stops[index].Box;
    for (const auto& [name, corner] : Places())
      if (corner.X == box.Left && corner.Y == box.Top) return name;
    return "unknown";
  }

  std::vector<std::string> Visits(int key, std::size_t count) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < count; ++i) {
      Key(key);
      names.push_back(Focused());
    }
    return names;
  }

  void AddPlayers(int count) {
    for (int i = 0; i < count; ++i) {
      TPlayer player;
      player.FName = "P" + std::to_string(i);
      Form->Game->AddPlayer(std::move(player));
    }
  }
};

TEST_F(MenuFocusTest, EachScreenHasItsOrderWhichTabWrapsAndShiftTabAndTheArrowsFollow) {
  struct TCase {
    const char* Name;
    std::function<void()> Setup;
    std::vector<std::string> Order;
  };
  const std::vector<TCase> cases{
      {"main menu, no game to save",
       [this] { Open(skMainMenu); },
       {"BT_OK", "BT_PLAYERS", "BT_OPTIONS", "BT_LOAD", "BT_NET", "author", "rules page", "BT_CLOSE"}},
      {"main menu, a game running",
       [this] {
         AddPlayers(2);
         Form->Game->StartGame();
         Open(skMainMenu);
       },
       {"BT_OK", "BT_PLAYERS", "BT_OPTIONS", "BT_SAVE", "BT_LOAD", "BT_NET", "author", "rules page", "BT_CLOSE"}},
      {"players, none yet",
       [this] { Open(skPlayers); },
       {"name", "kind", "BT_OK", "BT_ADD", "BT_CLOSE"}},
      {"players, two listed, a computer to add",
       [this] {
         AddPlayers(2);
         Form->Screens->Players.NewPlayerKind = PlayerKindComputer;
         Open(skPlayers);
       },
       {"row 0", "row 1", "name", "kind", "level", "BT_OK", "BT_DELETE", "BT_ADD", "BT_CLOSE"}},
      {"options, an arrow at each end of its range",
       [this] {
         TGameOptions options;
         options.BARRELSSCORE = 990;
         options.BARRELSDOWNSCORE = 0;
         Form->Game->SetOptions(options);
         Open(skOptions);
       },
       {"BARRELSTYPE", "BARRELSSCORE down", "BARRELSATTEMPT up", "BARRELSATTEMPT down", "BARRELSCOUNT up",
        "BARRELSCOUNT down", "BARRELSDOWNSCORE up", "ISONLYONEONBARREL", "OPENBARRELLIMIT", "BT_OK", "BT_CANCEL",
        "BT_SAVE", "BT_LOAD", "BT_RESET", "BT_BOLTS", "BT_YAMAS", "BT_RAZNOE", "BT_CLOSE"}},
      {"options, the bolts page",
       [this] {
         Open(skOptions);
         Form->Screens->Options.ShowOptionsPage(1);
       },
       {"ISBOLTS", "BOLTSTOGODOWN up", "BOLTSTOGODOWN down", "BOLTSDOWNSCORE up", "BOLTSDOWNSCORE down",
        "ISBOLTSINHOLES", "ISBOLTSBEFOREENTER", "ISBOLTSONBARREL", "BT_OK", "BT_CANCEL", "BT_SAVE", "BT_LOAD",
        "BT_RESET", "BT_BARRELS", "BT_YAMAS", "BT_RAZNOE", "BT_CLOSE"}},
      {"options on a network client: the rules are the host's",
       [this] {
         Form->Game->StartNetGame();
         Open(skOptions);
       },
       {"BT_CANCEL", "BT_SAVE", "BT_BOLTS", "BT_YAMAS", "BT_RAZNOE", "BT_CLOSE"}},
      {"network",
       [this] { Open(skNetwork); },
       {"address", "BT_SERVER", "BT_CLIENT", "BT_CANCEL", "BT_CLOSE"}},
  };
  for (const TCase& c : cases) {
    SetUp();
    c.Setup();
    const std::size_t count = c.Order.size();
    EXPECT_EQ(Focused(), "none") << c.Name;
    EXPECT_EQ(Visits(VkTab, count), c.Order) << c.Name;
    EXPECT_EQ(Visits(VkTab, 1).front(), c.Order.front()) << c.Name << ": Tab wraps";
    std::vector<std::string> back(c.Order.rbegin(), c.Order.rend());
    EXPECT_EQ(Visits(VkShiftTab, count), back) << c.Name;
    EXPECT_EQ(Visits(VkUp, count), back) << c.Name;
    std::vector<std::string> on(c.Order);
    std::rotate(on.begin(), on.begin() + 1, on.end());
    EXPECT_EQ(Visits(VkDown, count), on) << c.Name;
    EXPECT_EQ(Visits(VkRight, 1).front(), on.front()) << c.Name;
    EXPECT_EQ(Visits(VkLeft, 1).front(), c.Order.front()) << c.Name;
  }
}

TEST_F(MenuFocusTest, EnterOrSpaceOnAStopDoesWhatAClickThereDoes) {
  struct TCase {
    const char* Name;
    TScreenKind Screen;
    std::vector<int> Moves;
    int Press;
    std::function<void()> Check;
  };
  const std::vector<TCase> cases{
      {"«Игроки» is pressed and opens its screen", skMainMenu, {VkTab, VkTab}, VkEnter,
       [this] {
         EXPECT_EQ(StateOf("BT_PLAYERS"), wsPressed);
         Ticks(TSefraDXButton::PressedLookTicks);
         EXPECT_EQ(Form->CurrentScreen(), skPlayers);
       }},
      {"«Правила» opens the options", skMainMenu, {VkTab, VkTab, VkTab}, VkSpace,
       [this] {
         Ticks(TSefraDXButton::PressedLookTicks);
         EXPECT_EQ(Form->CurrentScreen(), skOptions);
       }},
      {"the close box closes the overlay", skMainMenu, {VkShiftTab}, VkEnter,
       [this] {
         Ticks(TSefraDXButton::PressedLookTicks);
         EXPECT_EQ(Form->CurrentScreen(), skTable);
       }},
      {"the rules page line opens the page", skMainMenu, {VkUp, VkUp}, VkEnter,
       [this] { EXPECT_EQ(Links.Opened, std::vector<std::string>{RulesPageFile}); }},
      {"the author line opens the mail link", skMainMenu, {VkUp, VkUp, VkUp}, VkSpace,
       [this] {
         ASSERT_EQ(Links.Opened.size(), 1u);
         EXPECT_EQ(Links.Opened[0].rfind("mailto:", 0), 0u);
       }},
      {"a row selects its player", skPlayers, {VkTab, VkTab}, VkEnter,
       [this] { EXPECT_EQ(Form->Screens->Players.SelectedPlayer, 1); }},
      {"the kind line turns human into computer", skPlayers, std::vector<int>(5, VkTab), VkSpace,
       [this] { EXPECT_EQ(Form->Screens->Players.NewPlayerKind, PlayerKindComputer); }},
      {"«Удалить» deletes the selected player", skPlayers, {VkShiftTab, VkShiftTab, VkShiftTab}, VkEnter,
       [this] {
         Ticks(TSefraDXButton::PressedLookTicks);
         EXPECT_EQ(Form->Game->Players().Count(), 2);
       }},
      {"the barrel type moves on", skOptions, {VkTab}, VkEnter,
       [this] { EXPECT_EQ(static_cast<TSefraSelector&>(Control("BARRELSTYPE")).ItemIndex, 2); }},
      {"an up arrow raises the value when its look ends", skOptions, {VkTab, VkTab}, VkSpace,
       [this] {
         auto& upDown = static_cast<TSefraUpDown&>(Control("BARRELSSCORE"));
         EXPECT_EQ(upDown.UpButton().State(), wsPressed);
         Ticks(TSefraUpDown::PressedLookTicks + 1);
         EXPECT_EQ(upDown.Value(), 885);
       }},
      {"a check box flips", skOptions, std::vector<int>(10, VkTab), VkEnter,
       [this] { EXPECT_FALSE(static_cast<TSefraCheckBox&>(Control("ISONLYONEONBARREL")).Checked); }},
      {"a page button shows its page", skOptions, std::vector<int>(4, VkShiftTab), VkEnter,
       [this] {
         Ticks(TSefraDXButton::PressedLookTicks);
         EXPECT_EQ(Form->Screens->Options.OptionsPage, 1);
         EXPECT_EQ(StateOf("BT_BOLTS"), wsDisabled);
       }},
      {"«Отмена» goes back to the main menu", skNetwork, {VkShiftTab, VkShiftTab}, VkEnter,
       [this] {
         Ticks(TSefraDXButton::PressedLookTicks);
         EXPECT_EQ(Form->CurrentScreen(), skMainMenu);
       }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    SetUp();
    Links.Opened.clear();
    AddPlayers(3);
    Open(c.Screen);
    for (const int key : c.Moves) Key(key);
    Key(c.Press);
    c.Check();
  }
}

TEST_F(MenuFocusTest, WithoutTheRingEnterAndSpacePressNothing) {
  Open(skMainMenu);
  Key(VkEnter);
  Key(VkSpace);
  EXPECT_EQ(StateOf("BT_OK"), wsNormal);
  // Nor after a click put the focus on a button and hid the ring.
  Key(VkTab);
  Key(VkTab);
  ClickZone(*Form, TRect{5, 200, 1, 1});
  EXPECT_FALSE(Form->MenuFocus.Shown());
  Key(VkEnter);
  Ticks(TSefraDXButton::PressedLookTicks);
  EXPECT_EQ(Form->CurrentScreen(), skMainMenu);
}

TEST_F(MenuFocusTest, AClickHidesTheRingAndTheNextTabGoesOnFromWhatWasClicked) {
  Open(skMainMenu);
  Key(VkTab);
  Click("BT_OPTIONS");
  ASSERT_EQ(Form->CurrentScreen(), skOptions);
  Click("BT_CANCEL");
  ASSERT_EQ(Form->CurrentScreen(), skMainMenu);
  EXPECT_FALSE(Form->MenuFocus.Shown()) << "a mouse player's next screen shows no ring";
  Click("BT_CLOSE");  // pressed, then the overlay closes
  Form->SetScreen(skMainMenu);
  Click("BT_LOAD");  // the fake dialog is cancelled: the menu stays
  Key(VkTab);
  EXPECT_TRUE(Form->MenuFocus.Shown());
  EXPECT_EQ(Focused(), "BT_NET");
}

TEST_F(MenuFocusTest, AKeyboardPlayerFindsTheRingOnTheFirstStopOfTheNextScreen) {
  Open(skMainMenu);
  Key(VkTab);
  Key(VkTab);
  Key(VkEnter);
  Ticks(TSefraDXButton::PressedLookTicks);
  ASSERT_EQ(Form->CurrentScreen(), skPlayers);
  EXPECT_EQ(Focused(), "name");
  EXPECT_EQ(Form->Screens->Players.CaretPhase, 0) << "the name field has the caret";
}

TEST_F(MenuFocusTest, TextFieldsKeepTheirTypingUnderTheRing) {
  // The players' name field: no space in a name, Enter adds the player.
  Open(skPlayers);
  TPlayersScreen& players = Form->Screens->Players;
  Key(VkTab);
  ASSERT_EQ(Focused(), "name");
  EXPECT_EQ(players.CaretPhase, 0);
  while (!players.NewPlayerName.empty()) TypingKey(VkBackspace);
  Type("Боб");
  TypingKey(VkSpace);
  EXPECT_EQ(players.NewPlayerName, Cp1251("Боб"));
  EXPECT_EQ(StateOf("BT_ADD"), wsNormal) << "Space pressed nothing";
  TypingKey(VkEnter);
  Ticks(TSefraDXButton::PressedLookTicks + 1);
  ASSERT_EQ(Form->Game->Players().Count(), 1);
  EXPECT_EQ(Form->Game->Players().Player(0).FName, Cp1251("Боб"));
  // Leaving the field takes its caret, and typing goes nowhere.
  Key(VkTab);
  EXPECT_EQ(players.CaretPhase, -1);
  Type("x");
  EXPECT_TRUE(players.NewPlayerName.empty());

  // The network address takes every character, the space too.
  Open(skNetwork);
  TNetworkScreen& network = Form->Screens->Network;
  Key(VkTab);
  ASSERT_EQ(Focused(), "address");
  Type("host");
  TypingKey(VkSpace);
  EXPECT_EQ(network.ServerAddress, "host ");
  Key(VkShiftTab);
  EXPECT_EQ(network.CaretPhase, -1);
}

TEST_F(MenuFocusTest, TheRingIsDrawnRoundTheFocusedStopAndNothingElseChanges) {
  Open(skMainMenu);
  const TRect menu = Form->MenuBounds;
  const auto overlay = [this, &menu] {
    std::vector<std::uint32_t> pixels;
    for (int y = menu.Top; y < menu.Top + menu.Height; ++y)
      for (int x = menu.Left; x < menu.Left + menu.Width; ++x) pixels.push_back(Form->LastFrame.Pixel(x, y));
    return pixels;
  };
  const std::vector<std::uint32_t> before = overlay();
  Key(VkTab);
  Ticks(1);
  const std::vector<std::uint32_t> with = overlay();
  const TRect box = ButtonBox(*Form->MenuButtons->FindButton("BT_OK"));
  const int ring = TFocusRing::Gap + 1;
  const TRect outline{box.Left - ring, box.Top - ring, box.Width + 2 * ring, box.Height + 2 * ring};
  int changed = 0;
  for (int y = 0; y < menu.Height; ++y)
    for (int x = 0; x < menu.Width; ++x) {
      const std::size_t at = static_cast<std::size_t>(y) * menu.Width + x;
      if (before[at] == with[at]) continue;
      ++changed;
      const bool onOutline = Contains(outline, x, y) && (x == outline.Left || y == outline.Top ||
                                                         x == outline.Left + outline.Width - 1 ||
                                                         y == outline.Top + outline.Height - 1);
      EXPECT_TRUE(onOutline) << x << "," << y;
      EXPECT_EQ(with[at], TFocusRing::Color) << x << "," << y;
    }
  EXPECT_GT(changed, 2 * box.Width);
  // A click where nothing is hides it again.
  ClickZone(*Form, TRect{5, 200, 1, 1});
  Ticks(1);
  EXPECT_EQ(overlay(), before);
}

}  // namespace
