// The network screen: host a session on this machine or join one by the host's address.
#include <array>

#include "app/main_form.h"
#include "app/menu_buttons.h"
#include "base/cp1251.h"
#include "platform/local_address.h"
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

}  // namespace

bool TfmMain::FindNetProvider() {
  if (!NetProvider.empty()) return true;
  for (const std::string& provider : Session->Providers()) {
    if (provider.find(kProviderMark) == std::string::npos) continue;
    NetProvider = provider;
    Session->SelectProvider(NetProvider);
    return true;
  }
  return false;
}

void TfmMain::OpenNetworkScreen() {
  BuildNetworkScreen();
  // A machine in a session stays in it: joining elsewhere would first wipe its players, and
  // the other machines would go on with a game this one no longer has.
  if (Game->NetGame())
    for (const char* name : {"BT_SERVER", "BT_CLIENT"})
      MenuButtons->FindButton(name)->SetState(TWidgetState::wsDisabled);
  if (LocalAddress.empty()) LocalAddress = GetLocalAddress();
}

void TfmMain::BuildNetworkScreen() { BuildMenuButtons(*MenuButtons, kNetworkButtons, &Sprites); }

void TfmMain::NetworkScreenStep() {
  MenuButtons->Tick();
  bool close = false;
  for (int i = 0; i < MenuButtons->Count(); ++i) {
    if (!MenuButtons->GetButton(i)->Clicked()) continue;
    const std::string& name = MenuButtons->GetName(i);
    if (name == "BT_CANCEL" || name == "BT_CLOSE") close = true;
    if (name == "BT_SERVER") {
      if (Loop->HostGame(LocalAddress))
        close = true;
      else
        FServices.Messages.Show(Cp1251("Ошибка создания сервера!"));
    }
    if (name == "BT_CLIENT") {
      Session->SelectProvider(NetProvider);
      // Joining discards this machine's players even when it fails.
      if (Loop->JoinGame(Game->FServerAddress))
        close = true;
      else
        FServices.Messages.Show(Cp1251("Ошибка подключения к серверу!"));
    }
  }
  if (CaretPhase >= 0) CaretPhase = (CaretPhase + 1) % kCaretCycle;
  if (close) SetScreen(TScreenKind::skMainMenu);
}

void TfmMain::DrawNetworkScreen() {
  if (const TSurface* back = Sprites.FindSurface("CL_SERVER")) DXDrawMenu.Draw(0, 0, *back, false);
  const auto line = [this](int y, const std::string& text) {
    Letters.DrawLine(DXDrawMenu, 9, y, text, TLetterAlign::laLeft, TLetterAlign::laCenter);
  };
  line(110, "&2" + LocalAddress);
  const bool caretShown = CaretPhase >= 0 && CaretPhase <= kCaretShownUpTo;
  line(67, "&0" + Game->FServerAddress + (caretShown ? "_" : ""));
  MenuButtons->Draw(DXDrawMenu, 0, 0);
}
