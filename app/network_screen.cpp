#include "app/network_screen.h"

#include <array>
#include <string_view>

#include "app/menu_buttons.h"
#include "game/game.h"
#include "base/cp1251.h"
#include "platform/local_address.h"
#include "gfx/letters.h"
#include "gfx/surface_collection.h"
#include "net/net_table_loop.h"
#include "platform/message_box.h"

namespace {

constexpr std::array<TMenuButtonPlace, 4> kNetworkButtons{{
    {"BT_SERVER", "BT_SERV1|BT_SERV2|BT_SERV3", 273, 34},
    {"BT_CLIENT", "BT_CL1|BT_CL2|BT_CL3", 273, 66},
    {"BT_CANCEL", "BT_CANCEL1|BT_CANCEL2|BT_CANCEL3", 273, 98},
    {"BT_CLOSE", "BT_CLOSE1|BT_CLOSE2|BT_CLOSE3", 355, 6},
}};

constexpr std::string_view kProviderMark = "TCP/IP";
constexpr int kCaretCycle = 30;
constexpr int kCaretShownUpTo = 20;
constexpr std::uint8_t kBackspace = 8;
constexpr std::size_t kAddressLength = 20;

}  // namespace

bool TNetworkScreen::FindNetProvider() {
  if (!NetProvider.empty()) return true;
  ISession& session = Host.NetSession();
  for (const std::string& provider : session.Providers()) {
    if (provider.find(kProviderMark) == std::string::npos) continue;
    NetProvider = provider;
    session.SelectProvider(NetProvider);
    return true;
  }
  return false;
}

void TNetworkScreen::Open() {
  if (!FindNetProvider()) {
    Host.SetScreen(TScreenKind::skMainMenu);
    Messages.Show(Cp1251("Отсутствует необходимый протокол TCP/IP"));
    return;
  }
  CaretPhase = -1;
  BuildMenuButtons(Buttons, kNetworkButtons, &Sprites);
  // A machine in a session stays in it: joining elsewhere would first wipe its players, and
  // the other machines would go on with a game this one no longer has.
  if (Game.NetGame())
    for (const char* name : {"BT_SERVER", "BT_CLIENT"}) Buttons.FindButton(name)->SetState(TWidgetState::wsDisabled);
  if (LocalAddress.empty()) LocalAddress = GetLocalAddress();
}

void TNetworkScreen::Step() {
  Buttons.Tick();
  bool close = false;
  // A join that ended since the last step outweighs a press on «Клиент» meant to give it up.
  const bool joinEnded = Connecting() && !Host.TableLoop().Joining();
  if (joinEnded) close = FinishJoin();
  for (int i = 0; i < Buttons.Count(); ++i) {
    if (!Buttons.GetButton(i)->Clicked()) continue;
    const std::string& name = Buttons.GetName(i);
    if (name == "BT_CANCEL" || name == "BT_CLOSE") close = true;
    if (name == "BT_SERVER" && !Connecting()) {
      if (Host.TableLoop().HostGame(LocalAddress))
        close = true;
      else
        Messages.Show(Cp1251("Ошибка создания сервера!"));
    }
    if (name == "BT_CLIENT" && !joinEnded && !Game.NetGame()) {
      if (Connecting())
        GiveUpJoin();
      else
        StartJoin();
    }
  }
  if (close && Connecting()) GiveUpJoin();
  if (CaretPhase >= 0) CaretPhase = (CaretPhase + 1) % kCaretCycle;
  if (close) Host.SetScreen(TScreenKind::skMainMenu);
}

void TNetworkScreen::StartJoin() {
  Host.NetSession().SelectProvider(NetProvider);
  FConnecting = true;
  // Joining discards this machine's players even when it fails.
  if (!Host.TableLoop().BeginJoin(ServerAddress)) {
    FinishJoin();
    return;
  }
  // A press on «Сервер» still in its pressed look comes to nothing.
  Buttons.FindButton("BT_SERVER")->SetState(TWidgetState::wsDisabled);
}

bool TNetworkScreen::FinishJoin() {
  FConnecting = false;
  if (Game.NetGame()) return true;
  Buttons.FindButton("BT_SERVER")->SetState(TWidgetState::wsNormal);
  Messages.Show(Cp1251("Ошибка подключения к серверу!"));
  return false;
}

void TNetworkScreen::GiveUpJoin() {
  Host.TableLoop().CancelJoin();
  FConnecting = false;
  Buttons.FindButton("BT_SERVER")->SetState(TWidgetState::wsNormal);
}

void TNetworkScreen::MouseDown(int x, int y) {
  if (PressButtonAt(Buttons, x, y)) {
    CaretPhase = -1;
    return;
  }
  if (Contains(TNetworkZones::AddressField, x, y) && !Connecting()) CaretPhase = 0;
}

void TNetworkScreen::KeyPress(std::uint8_t key) {
  if (CaretPhase < 0 || Connecting()) return;
  if (key == kBackspace) {
    if (!ServerAddress.empty()) ServerAddress.pop_back();
  } else if (ServerAddress.size() < kAddressLength) {
    ServerAddress.push_back(static_cast<char>(key));
  }
}

std::vector<TFocusStop> TNetworkScreen::FocusStops() const {
  // The address waits while a join is under way, so the field is passed over then.
  std::vector<TFocusStop> stops{{TNetworkZones::AddressField, !Connecting(), true}};
  AddButtonStops(stops, Buttons, kNetworkButtons);
  return stops;
}

// The address field is the first stop.
void TNetworkScreen::FocusMoved(int index) { CaretPhase = index == 0 ? 0 : -1; }

void TNetworkScreen::Paint(TSurface& overlay) {
  if (const TSurface* back = Sprites.FindSurface("CL_SERVER")) overlay.Draw(0, 0, *back, false);
  const auto line = [this, &overlay](TPlace place, const std::string& text) {
    Letters.DrawLine(overlay, place.X, place.Y, text, TLetterAlign::laLeft, TLetterAlign::laCenter);
  };
  line(TNetworkZones::LocalAddressText, "&2" + LocalAddress);
  const bool caretShown = CaretPhase >= 0 && CaretPhase <= kCaretShownUpTo;
  line(TNetworkZones::AddressText, "&0" + ServerAddress + (caretShown ? "_" : ""));
  if (Connecting()) line(TNetworkZones::ConnectingText, Cp1251("&1Подключение…"));
  Buttons.Draw(overlay, 0, 0);
}
