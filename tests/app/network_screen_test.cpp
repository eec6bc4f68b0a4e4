// The network screen on the real window: opening it, the server address field, hosting and
// joining with their failures.
#include "tests/app/net_window_fixture.h"
#include "platform/quit_signals.h"
#include "tests/support/raw_tcp.h"

namespace {

using enum TScreenKind;

class NetworkScreenTest : public TNetWindowTest {
protected:
  TPlayer Named(const char* utf8) {
    TPlayer player;
    player.FName = Cp1251(utf8);
    return player;
  }

  // The overlay's title bar in the last frame shown, where the screen says it is connecting.
  static std::vector<std::uint32_t> TitleBarShown(const TfmMain& form) {
    std::vector<std::uint32_t> pixels;
    const TRect& menu = form.MenuBounds;
    for (int y = menu.Top + 4; y < menu.Top + 25; ++y)
      for (int x = menu.Left + 120; x < menu.Left + 350; ++x) pixels.push_back(form.LastFrame.Pixel(x, y));
    return pixels;
  }
  static std::vector<std::uint32_t> TitleBar(TfmMain& form) {
    form.Tick();
    return TitleBarShown(form);
  }
};

TEST_F(NetworkScreenTest, OpensFromTheMainMenuWithTheTcpProviderAndThisMachinesAddress) {
  OpenNetworkScreen(*Form);
  ASSERT_EQ(Form->CurrentScreen(), skNetwork);
  EXPECT_EQ(Form->Screens->Network.NetProvider, "TCP/IP");
  EXPECT_FALSE(Form->Screens->Network.LocalAddress.empty());
  EXPECT_EQ(Form->MenuBounds.Left, 110);
  EXPECT_EQ(Form->MenuBounds.Top, 142);
  EXPECT_EQ(Form->MenuBounds.Width, 379);
  EXPECT_EQ(Form->MenuBounds.Height, 135);
  ASSERT_EQ(Form->MenuButtons->Count(), 4);
  for (const char* name : {"BT_SERVER", "BT_CLIENT", "BT_CANCEL", "BT_CLOSE"})
    EXPECT_EQ(Form->MenuButtons->FindButton(name)->State(), TWidgetState::wsNormal) << name;
  EXPECT_EQ(Form->Screens->Network.CaretPhase, -1);
  // The address found once is kept.
  Form->Screens->Network.LocalAddress = "10.1.2.3";
  Click(*Form, "BT_CANCEL");
  ASSERT_EQ(Form->CurrentScreen(), skMainMenu);
  Click(*Form, "BT_NET");
  EXPECT_EQ(Form->Screens->Network.LocalAddress, "10.1.2.3");
  Click(*Form, "BT_CLOSE");
  EXPECT_EQ(Form->CurrentScreen(), skMainMenu);
  EXPECT_TRUE(Messages.Texts.empty());
}

TEST_F(NetworkScreenTest, TheAddressFieldTakesEveryCharacterUpToTwentyWhileFocused) {
  OpenNetworkScreen(*Form);
  std::string& address = Form->Screens->Network.ServerAddress;
  Type(*Form, "1.2");
  EXPECT_TRUE(address.empty()) << "no focus yet";
  // A press beside the field leaves it without the focus.
  Form->DXDrawMenuMouseDown(TMouseButton::mbLeft, TNetworkZones::AddressField.Left,
                             Bottom(TNetworkZones::AddressField) + 1);
  Type(*Form, "1.2");
  EXPECT_TRUE(address.empty());

  FocusAddress(*Form);
  ASSERT_EQ(Form->Screens->Network.CaretPhase, 0);
  Form->FormKeyPress(8);
  EXPECT_TRUE(address.empty()) << "Backspace on an empty field";
  // Control characters other than Backspace, a space and letters of both alphabets go in.
  for (std::uint8_t code : {std::uint8_t{'1'}, std::uint8_t{13}, std::uint8_t{1}, std::uint8_t{27}, std::uint8_t{31},
                            std::uint8_t{' '}, std::uint8_t{0xC0}})
    Form->FormKeyPress(code);
  EXPECT_EQ(address, "1\r\x01\x1b\x1f \xC0");
  address.clear();
  Type(*Form, "127.0.0.1-0123456789ab");
  EXPECT_EQ(address, "127.0.0.1-0123456789");
  Form->FormKeyPress(8);
  Type(*Form, "Z");
  EXPECT_EQ(address, "127.0.0.1-012345678Z");

  // A press on a button takes the focus away.
  Form->MenuButtons->FindButton("BT_SERVER")->SetState(TWidgetState::wsDisabled);
  const TSefraDXButton* cancel = Form->MenuButtons->FindButton("BT_CANCEL");
  Form->DXDrawMenuMouseDown(TMouseButton::mbLeft, cancel->Left() + 10, cancel->Top() + 10);
  EXPECT_EQ(Form->Screens->Network.CaretPhase, -1);
}

TEST_F(NetworkScreenTest, TheCaretBlinksOnAThirtyTickCycleAndShowsForTwentyOne) {
  OpenNetworkScreen(*Form);
  Form->Screens->Network.LocalAddress = "10.0.0.1";
  Form->Screens->Network.ServerAddress = "10.0.0.2";
  FocusAddress(*Form);
  Ticks(*Form, 29);
  EXPECT_EQ(Form->Screens->Network.CaretPhase, 29);
  Ticks(*Form, 1);
  EXPECT_EQ(Form->Screens->Network.CaretPhase, 0);

  // The caret is drawn at the end of the field's line while the phase is 0 to 20.
  const auto fieldPixels = [this](int phase) {
    Form->Screens->Network.CaretPhase = phase - 1;  // the tick's step advances it before the paint
    Form->Tick();
    std::vector<std::uint32_t> field;
    const TRect& menu = Form->MenuBounds;
    for (int y = menu.Top + 55; y < menu.Top + 80; ++y)
      for (int x = menu.Left + 9; x < menu.Left + 254; ++x) field.push_back(Form->LastFrame.Pixel(x, y));
    return field;
  };
  const std::vector<std::uint32_t> shown = fieldPixels(20);
  const std::vector<std::uint32_t> hidden = fieldPixels(21);
  EXPECT_EQ(fieldPixels(1), shown);
  EXPECT_NE(shown, hidden);
}

TEST_F(NetworkScreenTest, HostingStartsTheNetworkGameKeepingPlayersAndGame) {
  Form->Loop->AddPlayer(Named("Аня"));
  OpenNetworkScreen(*Form);
  Click(*Form, "BT_SERVER");
  EXPECT_TRUE(Messages.Texts.empty());
  EXPECT_EQ(Form->CurrentScreen(), skMainMenu);
  EXPECT_TRUE(Form->Game->NetGame());
  EXPECT_TRUE(Form->Game->NetHost());
  EXPECT_NE(Form->Game->ServerId(), 0u);
  EXPECT_NE(HostPort(*Form), 0);
  EXPECT_EQ(Form->Game->Players().Count(), 1);
  // No saving or loading during a network game.
  EXPECT_EQ(Form->MenuButtons->FindButton("BT_SAVE")->State(), TWidgetState::wsDisabled);
  EXPECT_EQ(Form->MenuButtons->FindButton("BT_LOAD")->State(), TWidgetState::wsDisabled);

  // In a session the machine can neither host again nor join elsewhere (which would wipe its
  // players under the others' game); the screen still opens and closes.
  Click(*Form, "BT_NET");
  ASSERT_EQ(Form->CurrentScreen(), skNetwork);
  EXPECT_EQ(Form->MenuButtons->FindButton("BT_SERVER")->State(), TWidgetState::wsDisabled);
  EXPECT_EQ(Form->MenuButtons->FindButton("BT_CLIENT")->State(), TWidgetState::wsDisabled);
  Click(*Form, "BT_CANCEL");
  EXPECT_EQ(Form->CurrentScreen(), skMainMenu);
  EXPECT_EQ(Form->Game->Players().Count(), 1);
  EXPECT_TRUE(Messages.Texts.empty());
}

TEST_F(NetworkScreenTest, HostingOnATakenPortFailsWithTheMessage) {
  TTcpSessionSettings settings;
  settings.Port = 0;
  TTcpSession other(settings);
  ASSERT_TRUE(other.Host("FFF", "SERVER"));
  auto machine = Machine(other.HostPort());
  OpenNetworkScreen(*machine->Form);
  Click(*machine->Form, "BT_SERVER");
  EXPECT_EQ(machine->Form->CurrentScreen(), skNetwork);
  EXPECT_FALSE(machine->Form->Game->NetGame());
  EXPECT_EQ(Messages.Texts, std::vector<std::string>{Cp1251("Ошибка создания сервера!")});
}

// Whatever the reason, a join that fails says so once, leaves the screen open and usable, and
// the machine's players are gone all the same.
TEST_F(NetworkScreenTest, AJoinThatFailsTellsSoAndLeavesThePlayersGone) {
  const std::uint16_t closedPort = TRawTcp::ClosedPort();
  ASSERT_NE(closedPort, 0);
  TRawTcp silent;
  const std::uint16_t silentPort = silent.Listen();
  ASSERT_NE(silentPort, 0);
  struct TCase {
    const char* Why;
    std::uint16_t Port;
    std::string Address;
  };
  const TCase cases[] = {
      {"nobody listens", closedPort, "127.0.0.1"},
      {"the name does not resolve", closedPort, "no-such-host.invalid"},
      {"no address typed", closedPort, ""},
      {"the host never answers within the limit", silentPort, "127.0.0.1"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Why);
    Messages.Texts.clear();
    auto machine = Machine(c.Port, std::chrono::milliseconds(300));
    TfmMain& form = *machine->Form;
    form.Loop->AddPlayer(Named("Аня"));
    form.Game->StartGame();
    OpenNetworkScreen(form);
    FocusAddress(form);
    Type(form, c.Address);
    Click(form, "BT_CLIENT");
    ASSERT_TRUE(TickWhileConnecting(form));
    EXPECT_EQ(form.CurrentScreen(), skNetwork);
    EXPECT_FALSE(form.Game->NetGame());
    EXPECT_EQ(form.Game->Players().Count(), 0);
    EXPECT_TRUE(form.Game->GameOver());
    EXPECT_EQ(Messages.Texts, std::vector<std::string>{Cp1251("Ошибка подключения к серверу!")});
    EXPECT_EQ(form.MenuButtons->FindButton("BT_SERVER")->State(), TWidgetState::wsNormal);
    Ticks(form, 20);
    EXPECT_EQ(Messages.Texts.size(), 1u) << "told once";
  }
}

// The box telling of a failed join stands over the screen as the failure left it: a real box
// holds the thread, so the window shows what was painted before it opened.
TEST_F(NetworkScreenTest, AFailedJoinsBoxStandsOverTheScreenNoLongerConnecting) {
  const std::uint16_t closedPort = TRawTcp::ClosedPort();
  ASSERT_NE(closedPort, 0);
  auto machine = Machine(closedPort);
  TfmMain& form = *machine->Form;
  OpenNetworkScreen(form);
  const std::vector<std::uint32_t> idle = TitleBar(form);
  std::vector<std::uint32_t> underTheBox;
  Messages.OnShow = [&] {
    BeforeLongWait();
    underTheBox = TitleBarShown(form);
  };
  FocusAddress(form);
  Type(form, "127.0.0.1");
  Click(form, "BT_CLIENT");
  ASSERT_TRUE(TickWhileConnecting(form));
  Messages.OnShow = nullptr;
  ASSERT_EQ(Messages.Texts, std::vector<std::string>{Cp1251("Ошибка подключения к серверу!")});
  EXPECT_EQ(underTheBox, idle);
}

class JoiningScreenTest : public NetworkScreenTest {
protected:
  // A machine whose join goes to a listener that takes the connection and never says a word.
  void SetUp() override {
    NetworkScreenTest::SetUp();
    const std::uint16_t port = Silent.Listen();
    ASSERT_NE(port, 0);
    Joiner = Machine(port);
    TfmMain& form = *Joiner->Form;
    OpenNetworkScreen(form);
    Idle = TitleBar(form);
    FocusAddress(form);
    Type(form, "127.0.0.1");
  }

  TRawTcp Silent;
  std::unique_ptr<TMachine> Joiner;
  std::vector<std::uint32_t> Idle;
};

TEST_F(JoiningScreenTest, TheWindowGoesOnWhileAJoinWaitsAndASecondPressGivesItUp) {
  TfmMain& form = *Joiner->Form;
  const TNetworkScreen& screen = form.Screens->Network;
  Click(form, "BT_CLIENT");
  ASSERT_TRUE(screen.Connecting());
  EXPECT_EQ(form.Game->Players().Count(), 0);

  // Every tick is painted and none waits for the host: the join would have run out its
  // three seconds inside a tick that waited.
  const int paints = form.Paints();
  Ticks(form, 100);
  EXPECT_EQ(form.Paints(), paints + 100);
  EXPECT_TRUE(screen.Connecting());
  EXPECT_NE(TitleBar(form), Idle) << "«Подключение…» is shown";

  // Meanwhile hosting and the address are out of reach.
  EXPECT_EQ(form.MenuButtons->FindButton("BT_SERVER")->State(), TWidgetState::wsDisabled);
  EXPECT_EQ(form.MenuButtons->FindButton("BT_CLIENT")->State(), TWidgetState::wsNormal);
  FocusAddress(form);
  EXPECT_EQ(screen.CaretPhase, -1);
  for (int tab = 0; tab < 6; ++tab) {
    form.FormKeyDown(VkTab);
    EXPECT_EQ(screen.CaretPhase, -1) << "the keyboard passes over the address too";
  }
  Type(form, "9");
  EXPECT_EQ(screen.ServerAddress, "127.0.0.1");

  Click(form, "BT_CLIENT");
  EXPECT_FALSE(screen.Connecting());
  EXPECT_EQ(form.CurrentScreen(), skNetwork);
  EXPECT_EQ(form.MenuButtons->FindButton("BT_SERVER")->State(), TWidgetState::wsNormal);
  EXPECT_EQ(TitleBar(form), Idle);
  EXPECT_FALSE(form.Session->Active());
  // Nothing of the attempt comes back later, not even its failure.
  Ticks(form, 50);
  EXPECT_TRUE(Messages.Texts.empty());
  EXPECT_FALSE(form.Game->NetGame());

  // The screen is as before: the address can be changed and the join tried again.
  FocusAddress(form);
  EXPECT_EQ(screen.CaretPhase, 0);
  Click(form, "BT_CLIENT");
  EXPECT_TRUE(screen.Connecting());
}

TEST_F(JoiningScreenTest, ClosingTheScreenGivesTheJoinUp) {
  for (const char* close : {"BT_CANCEL", "BT_CLOSE"}) {
    SCOPED_TRACE(close);
    TfmMain& form = *Joiner->Form;
    if (form.CurrentScreen() != skNetwork) OpenNetworkScreen(form);
    Click(form, "BT_CLIENT");
    ASSERT_TRUE(form.Screens->Network.Connecting());
    Click(form, close);
    EXPECT_EQ(form.CurrentScreen(), skMainMenu);
    EXPECT_FALSE(form.Screens->Network.Connecting());
    Ticks(form, 50);
    EXPECT_TRUE(Messages.Texts.empty());
    EXPECT_FALSE(form.Game->NetGame());
    EXPECT_EQ(form.CurrentScreen(), skMainMenu);
  }
}

TEST_F(NetworkScreenTest, JoiningTheHostByNameStartsTheNetworkGame) {
  Form->Loop->AddPlayer(Named("Аня"));
  OpenNetworkScreen(*Form);
  Click(*Form, "BT_SERVER");
  ASSERT_TRUE(Form->Game->NetHost());
  auto machine = Machine(HostPort(*Form));
  TfmMain& joiner = *machine->Form;
  joiner.Loop->AddPlayer(Named("Вова"));
  OpenNetworkScreen(joiner);
  FocusAddress(joiner);
  Type(joiner, "localhost");
  Click(joiner, "BT_CLIENT");
  ASSERT_TRUE(TickWhileConnecting(joiner, Form));
  EXPECT_TRUE(Messages.Texts.empty());
  EXPECT_EQ(joiner.CurrentScreen(), skMainMenu);
  EXPECT_TRUE(joiner.Game->NetGame());
  EXPECT_FALSE(joiner.Game->NetHost());
  EXPECT_NE(joiner.Game->ServerId(), 0u);
  // The host's greeting follows: its player replaces the joiner's own.
  for (int i = 0; i < 200 && joiner.Game->Players().Count() != 1; ++i) {
    Form->Tick();
    joiner.Tick();
  }
  ASSERT_EQ(joiner.Game->Players().Count(), 1);
  EXPECT_EQ(joiner.Game->Players().Player(0).FName, Cp1251("Аня"));
}

}  // namespace
