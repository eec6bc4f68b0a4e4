#pragma once

#include <cstdint>
#include <string>

#include "app/menu_screen.h"
#include "app/screen_zone.h"

// The players screen's places, in the overlay's pixels.
struct TPlayersZones {
  static constexpr TRect Overlay{109, 5, 382, 400};  // in the window
  // The list: a press on a row selects its player.
  static constexpr TRect PlayerList{14, 67, 253, 191};
  static constexpr int RowHeight = 29;
  static constexpr TRect Row(int index) {
    return {PlayerList.Left, PlayerList.Top + RowHeight * index, PlayerList.Width, RowHeight};
  }
  static constexpr int FirstRowMiddle = 82;  // the first row's text line
  static constexpr int SelectionBarLeft = 8;
  static constexpr int NameColumn = 12;
  static constexpr int KindColumn = 144;  // centred
  static constexpr int LevelColumn = 219;
  // The new player's name: a press gives it the caret; the field reaches past the typed name
  // by that name's width, and at least over the box the name is typed in.
  static constexpr TRect NameField{10, 279, 135, 17};
  static constexpr int NameBoxRight = 264;
  static constexpr TPlace NameText{144, 288};
  // The new player's kind: a press turns human into computer and back.
  static constexpr TRect KindLine{12, 300, 275, 17};
  static constexpr TPlace KindText{64, 309};
  // A computer's level: a press moves it on, normal, risky, strong and round again.
  static constexpr TRect LevelLine{12, 322, 275, 17};
  static constexpr TPlace LevelText{109, 331};
  // The focus ring round the kind and level lines stops short of the buttons' column.
  static constexpr int LineRingRight = 262;
};

// The players screen: the list in turn order, adding a player by name and kind, deleting the
// selected one.
class TPlayersScreen final : public IMenuScreen, private TScreenContext {
public:
  explicit TPlayersScreen(const TScreenContext& context);

  TScreenKind Kind() const override { return TScreenKind::skPlayers; }
  TRect Bounds() const override { return TPlayersZones::Overlay; }
  void Open() override;
  void Step() override;
  void Paint(TSurface& overlay) override;
  void MouseDown(int x, int y) override;
  void KeyPress(std::uint8_t key) override;
  // The list's rows, the name field, the kind and level lines, the buttons, the close box.
  std::vector<TFocusStop> FocusStops() const override;
  void FocusMoved(int index) override;

  std::int32_t SelectedPlayer = 0;
  std::string NewPlayerName;
  std::uint8_t NewPlayerKind = 0;
  std::uint8_t NewPlayerLevel = 0;
  std::int32_t CaretPhase = -1;  // the name field's blink; below zero the field has no caret

private:
  void Refresh();
  TRect NameFieldZone() const;

  std::uint8_t FKnownPlayerCount = 0;  // a change of the count puts the selection back on top
};
