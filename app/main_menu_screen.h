#pragma once

#include <cstdint>
#include <string>

#include "app/menu_screen.h"
#include "app/screen_zone.h"

// The main menu's places, in the overlay's pixels.
struct TMainMenuZones {
  static constexpr TRect Overlay{145, 5, 310, 363};  // in the window
  static constexpr TPlace VersionLine{74, 284};
  static constexpr TPlace AuthorLine{67, 303};
  static constexpr TPlace WebLine{58, 323};
  // The bands that light a credit line up under the mouse, the overlay's width across.
  static constexpr TRect AuthorLink{0, 294, 310, 19};
  static constexpr TRect WebLink{0, 314, 310, 7};
};

// The main menu: the way to the other screens, saving and loading a game, the version and
// the credit lines.
class TMainMenuScreen final : public IMenuScreen, private TScreenContext {
public:
  static constexpr std::uint8_t HoverNone = 0;
  static constexpr std::uint8_t HoverWeb = 1;
  static constexpr std::uint8_t HoverAuthor = 2;

  explicit TMainMenuScreen(const TScreenContext& context);

  TScreenKind Kind() const override { return TScreenKind::skMainMenu; }
  TRect Bounds() const override { return TMainMenuZones::Overlay; }
  void Open() override;
  void Step() override;
  void Paint(TSurface& overlay) override;
  void MouseDown(int x, int y) override;
  void MouseMove(int x, int y) override;
  // The buttons, the credit lines, the close box.
  std::vector<TFocusStop> FocusStops() const override;
  void PressStop(int index, const TFocusStop& stop) override;

  std::uint8_t HoverLink = HoverNone;  // the credit line under the mouse

private:
  void Refresh();
  void SaveGame();
  void LoadGame();
  void OpenLink(std::uint8_t link);
  // The ring round a credit line's letters.
  TFocusStop LineStop(TPlace place, const char* text) const;

  std::string FVersionText;
};
