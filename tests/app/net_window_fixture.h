#pragma once

#include <fstream>
#include <memory>
#include <string>

#include "base/cp1251.h"
#include "tests/app/window_fixture.h"

// A shown main window whose session listens on a port the system chooses, so that tests never
// take the game's own port, driven tick by tick with presses and typed characters. A test
// builds further machines with Machine().
class TNetWindowTest : public TWindowTest {
protected:
  // One machine: its window with sounds of its own.
  struct TMachine {
    TFakeSound Sound;
    std::unique_ptr<TfmMain> Form;
  };

  void SetUp() override {
    Host = Machine(0);
    Form = Host->Form.get();
  }

  // A shown window whose session hosts on `port` (0: any free one) and joins there, giving a
  // join up after `waitLimit`.
  std::unique_ptr<TMachine> Machine(std::uint16_t port,
                                    std::chrono::milliseconds waitLimit = std::chrono::milliseconds(3000)) {
    auto machine = std::make_unique<TMachine>();
    TTcpSessionSettings network;
    network.Port = port;
    network.WaitLimit = waitLimit;
    machine->Form = std::make_unique<TfmMain>(
        TDesktopServices{Messages, machine->Sound, Links, Clock, THOUSAND_RUNTIME_DIR, network});
    machine->Form->FormShow();
    EXPECT_EQ(machine->Form->LoadError, 0);
    machine->Form->CaptureFrames = true;
    return machine;
  }

  // The port the window's own TCP session hosts on.
  static std::uint16_t HostPort(const TfmMain& form) {
    return dynamic_cast<const TTcpSession&>(*form.Session).HostPort();
  }

  static void Ticks(TfmMain& form, int count) {
    for (int i = 0; i < count; ++i) form.Tick();
  }

  // Ticks until the join started on the network screen has ended (bounded); false if it has not.
  static bool TickWhileConnecting(TfmMain& form, TfmMain* host = nullptr) {
    for (int i = 0; i < 20000 && form.Screens->Network.Connecting(); ++i) {
      if (host != nullptr) host->Tick();
      form.Tick();
    }
    return !form.Screens->Network.Connecting();
  }

  // A press in the middle of a button of the open menu screen, then its pressed look.
  static void Click(TfmMain& form, const std::string& name) {
    TSefraDXButton* button = form.MenuButtons->FindButton(name);
    ASSERT_NE(button, nullptr) << name;
    const TSize size = button->GetImageSize();
    form.DXDrawMenuMouseDown(TMouseButton::mbLeft, button->Left() + size.Width / 2, button->Top() + size.Height / 2);
    ASSERT_EQ(button->State(), TWidgetState::wsPressed) << name;
    Ticks(form, TSefraDXButton::PressedLookTicks);
  }

  static void Type(TfmMain& form, const std::string& utf8) {
    for (char c : Cp1251(utf8)) form.FormKeyPress(static_cast<std::uint8_t>(c));
  }

  // From the table through the main menu to the network screen.
  static void OpenNetworkScreen(TfmMain& form) {
    form.SetScreen(TScreenKind::skMainMenu);
    Click(form, "BT_NET");
  }

  // The server address field takes the focus from a press inside it.
  static void FocusAddress(TfmMain& form) { ClickZone(form, TNetworkZones::AddressField); }

  std::unique_ptr<TMachine> Host;
  TfmMain* Form = nullptr;
};
