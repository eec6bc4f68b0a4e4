#include "tests/app/menu_fixture.h"
#include "tests/support/fake_session.h"

namespace {

using enum TScreenKind;
using enum TWidgetState;

class MainMenuTest : public TMenuTest {};

TEST_F(MainMenuTest, OpensCentredWithItsButtonsAndShowsOverTheTable) {
  Form->SetScreen(skMainMenu);
  EXPECT_TRUE(Form->MenuVisible);
  EXPECT_EQ(Form->MenuBounds.Left, 145);
  EXPECT_EQ(Form->MenuBounds.Top, 5);
  EXPECT_EQ(Form->MenuBounds.Width, 310);
  EXPECT_EQ(Form->MenuBounds.Height, 363);
  ASSERT_EQ(Form->MenuButtons->Count(), 7);
  EXPECT_EQ(Form->MenuButtons->GetName(5), "BT_NET");
  Ticks(1);
  const TSurface* menu = Form->Sprites.FindSurface("MENU2");
  ASSERT_NE(menu, nullptr);
  // A corner of the menu picture, away from buttons and texts, lands at the overlay's place.
  EXPECT_EQ(Form->LastFrame.Pixel(145 + 3, 5 + 300), menu->Pixel(3, 300));
}

TEST_F(MainMenuTest, SaveAndLoadAreOfferedByGameAndNetworkState) {
  struct TCase {
    bool GameOver;
    bool NetGame;
    TWidgetState Save;
    TWidgetState Load;
  };
  // A network game, once started, is never left: it comes last.
  for (const TCase& c : {TCase{false, false, wsNormal, wsNormal}, TCase{true, false, wsDisabled, wsNormal},
                         TCase{false, true, wsDisabled, wsDisabled}}) {
    if (c.GameOver) {
      Form->Game->FinishGame();
    } else {
      Form->Game->StartGame();
    }
    if (c.NetGame) Form->Game->StartNetGame();
    Form->SetScreen(skMainMenu);
    EXPECT_EQ(StateOf("BT_SAVE"), c.Save) << c.GameOver << c.NetGame;
    EXPECT_EQ(StateOf("BT_LOAD"), c.Load) << c.GameOver << c.NetGame;
    EXPECT_EQ(StateOf("BT_PLAYERS"), wsNormal);
    EXPECT_EQ(StateOf("BT_OPTIONS"), wsNormal);
  }
}

TEST_F(MainMenuTest, ButtonsLeadToTheirScreens) {
  struct TCase {
    const char* Button;
    TScreenKind Screen;
  };
  for (const TCase& c : {TCase{"BT_OK", skTable}, TCase{"BT_CLOSE", skTable}, TCase{"BT_PLAYERS", skPlayers},
                         TCase{"BT_OPTIONS", skOptions}}) {
    Form->SetScreen(skMainMenu);
    Click(c.Button);
    EXPECT_EQ(Form->CurrentScreen(), c.Screen) << c.Button;
  }
}

TEST_F(MainMenuTest, TheNetworkButtonWithoutATcpProviderStaysOnTheMenuWithTheMessage) {
  auto session = std::make_unique<TFakeSession>();
  session->ProviderNames = {"IPX"};
  Form->UseSession(std::move(session));
  Form->SetScreen(skMainMenu);
  Click("BT_NET");
  EXPECT_EQ(Form->CurrentScreen(), skMainMenu);
  ASSERT_EQ(Messages.Texts.size(), 1u);
  EXPECT_EQ(Utf8(Messages.Texts[0]), "Отсутствует необходимый протокол TCP/IP");
}

TEST_F(MainMenuTest, CreditLinesLightUpUnderTheMouseAndOpenTheirLinks) {
  Form->SetScreen(skMainMenu);
  using Z = TMainMenuZones;
  std::uint8_t& hoverLink = Form->Screens->MainMenu.HoverLink;
  constexpr std::uint8_t kNone = TMainMenuScreen::HoverNone, kWeb = TMainMenuScreen::HoverWeb,
                         kAuthor = TMainMenuScreen::HoverAuthor;
  for (const auto& [y, hover] : {std::pair{Z::AuthorLink.Top - 1, kNone}, {Z::AuthorLink.Top, kAuthor},
                                 {Bottom(Z::AuthorLink), kAuthor}, {Bottom(Z::AuthorLink) + 1, kNone},
                                 {Z::WebLink.Top, kWeb}, {Bottom(Z::WebLink), kWeb}, {Bottom(Z::WebLink) + 1, kNone}}) {
    Form->DXDrawMenuMouseMove(40, y);
    EXPECT_EQ(hoverLink, hover) << y;
  }
  for (const TRect& link : {Z::WebLink, Z::AuthorLink}) {
    const TPlace middle = MiddleOf(link);
    Form->DXDrawMenuMouseMove(middle.X, middle.Y);
    ClickZone(*Form, link);
  }
  ASSERT_EQ(Links.Opened.size(), 2u);
  EXPECT_EQ(Links.Opened[0], "rules.html");
  EXPECT_EQ(Links.Opened[1].rfind("mailto:", 0), 0u);
  // Hovering on another screen changes nothing.
  Form->SetScreen(skPlayers);
  Form->DXDrawMenuMouseMove(10, Z::WebLink.Top);
  EXPECT_EQ(hoverLink, kAuthor);
}

TEST_F(MainMenuTest, SavingAndLoadingReportTheirOutcome) {
  TScratchDir dir;
  TPlayer player;
  player.FName = "A";
  Form->Game->AddPlayer(player);
  Form->Game->StartGame();
  Form->SetScreen(skMainMenu);
  Dialogs->Answers = {dir.File("game.sav"), dir.File("no/such/folder/game.sav"), std::nullopt,
                      dir.File("game.sav"), dir.File("missing.sav")};
  Click("BT_SAVE");
  Click("BT_SAVE");
  Click("BT_SAVE");  // cancelled: nothing to say
  Click("BT_LOAD");
  Click("BT_LOAD");
  // The failed write names its file first (the file utilities' own message).
  ASSERT_EQ(Messages.Texts.size(), 5u);
  EXPECT_EQ(Utf8(Messages.Texts[0]), "Игра успешно сохранена!");
  EXPECT_EQ(Utf8(Messages.Texts[1]).rfind("Ошибка записи в файл ", 0), 0u);
  EXPECT_EQ(Utf8(Messages.Texts[2]), "Ошибка сохранения игры!");
  EXPECT_EQ(Utf8(Messages.Texts[3]), "Игра успешно загружена!");
  EXPECT_EQ(Utf8(Messages.Texts[4]), "Ошибка чтения игры!");
  EXPECT_EQ(Form->CurrentScreen(), skMainMenu);
  ASSERT_EQ(Dialogs->Requests.size(), 5u);
  EXPECT_TRUE(Dialogs->Requests[0].Save);
  EXPECT_EQ(Dialogs->Requests[0].Title, "Запись игры");
  EXPECT_EQ(Dialogs->Requests[0].Extension, "sav");
  EXPECT_EQ(Dialogs->Requests[0].FilterName, "Файлы записи");
  EXPECT_EQ(Dialogs->Requests[0].Folder, THOUSAND_RUNTIME_DIR);
  EXPECT_FALSE(Dialogs->Requests[3].Save);
  EXPECT_EQ(Dialogs->Requests[3].Title, "Чтение игры");
}

}  // namespace
