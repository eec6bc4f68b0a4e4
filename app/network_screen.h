#pragma once

#include <cstdint>
#include <string>

#include "app/menu_screen.h"
#include "app/screen_zone.h"

// The network screen's places, in the overlay's pixels.
struct TNetworkZones {
  static constexpr TRect Overlay{110, 142, 379, 135};  // in the window
  // The host's address: a press gives it the caret.
  static constexpr TRect AddressField{9, 37, 246, 46};
  static constexpr TPlace AddressText{9, 67};
  static constexpr TPlace LocalAddressText{9, 110};
  // Beside the screen's title while a join is under way.
  static constexpr TPlace ConnectingText{130, 14};
};

// The network screen: host a session on this machine or join one by the host's address.
// Joining goes on over the following ticks; meanwhile the screen says so, a second press on
// «Клиент» gives it up, and neither hosting nor the address can be touched.
class TNetworkScreen final : public IMenuScreen, private TScreenContext {
public:
  explicit TNetworkScreen(const TScreenContext& context) : TScreenContext(context) {}

  TScreenKind Kind() const override { return TScreenKind::skNetwork; }
  TRect Bounds() const override { return TNetworkZones::Overlay; }
  // Only with a TCP/IP provider; without one the main menu opens with a message.
  void Open() override;
  void Step() override;
  void Paint(TSurface& overlay) override;
  void MouseDown(int x, int y) override;
  // Any character but backspace goes into the host's address.
  void KeyPress(std::uint8_t key) override;
  // The address field, the buttons, the close box.
  std::vector<TFocusStop> FocusStops() const override;
  void FocusMoved(int index) override;

  std::string NetProvider;    // the session's first TCP/IP provider, once found
  std::string LocalAddress;   // this machine's, shown for the players who join it
  std::string ServerAddress;  // the host's, as typed
  std::int32_t CaretPhase = -1;

  // A join started on this screen is under way.
  bool Connecting() const { return FConnecting; }

private:
  // Fills NetProvider with the session's first TCP/IP provider and selects it.
  bool FindNetProvider();
  void StartJoin();
  // The join started here has ended: true when it joined, after telling of a failure.
  bool FinishJoin();
  void GiveUpJoin();

  bool FConnecting = false;  // a join started here, not yet seen to end
};
