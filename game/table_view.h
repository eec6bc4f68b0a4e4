#pragma once

#include "platform/present_gate.h"
#include "platform/surface.h"

class TGame;
class TLettersCollection;
class TSefraButtonCollection;
class TSurfaceSortCollection;

// What the table screen is drawn from besides the game: the window's sprite lists, its font
// and the drawn table buttons.
struct TTableArt {
  const TSurfaceSortCollection& Sprites;     // "graph.col"
  const TSurfaceSortCollection& DieSprites;  // "face_frame" of the row dice
  const TLettersCollection& Letters;
  const TSefraButtonCollection& Buttons;
};

// Draws the table screen of a game: background, column heads, the two dice trays, the score
// table, the message panel and the table buttons. Reads the game afresh on every call and
// changes nothing. A sprite that is missing draws nothing.
class TTableView {
public:
  // Places on the 600 x 420 table surface.
  static constexpr TRect KeptTray{4, 4, 330, 88};
  static constexpr TRect LooseTray{4, 264, 330, 88};
  static constexpr int HeadsTop = 22;
  static constexpr int FirstRowMiddle = 67;
  static constexpr int RowPitch = 29;
  static constexpr int PanelX = 468;
  static constexpr int PanelY = 278;
  static constexpr int PanelSteps = 10;

  TTableView(const TGame& game, const TTableArt& art) : FGame(game), FArt(art) {}

  // The whole screen; `client` is the table surface's client rectangle (its corner is 0, 0 in
  // practice; the message panel and the buttons keep their absolute places).
  void Draw(TSurface& target, const TRect& client) const;
  // What Draw reads of the game and the buttons, so that a window can tell from a few hundred
  // words whether the screen would come out as last time. The sprites and fonts are taken as
  // fixed once loaded.
  void AddToKey(TFrameKey& key) const;
  // The row dice still to throw (shown, not kept), side by side in the lower tray.
  void DrawLooseDice(TSurface& target, const TRect& client) const;
  // The row dice set aside in this turn, side by side in the upper tray.
  void DrawKeptDice(TSurface& target, const TRect& client) const;
  // The score table, the message panel and the buttons.
  void DrawPlayers(TSurface& target, const TRect& client) const;

private:
  void DrawTray(TSurface& target, int left, int top, bool kept) const;
  void DrawPlayerRow(TSurface& target, const TRect& client, int index) const;
  // The status icons of a player, later ones covering earlier ones.
  void DrawStatusIcons(TSurface& target, int x, int middle, int total, bool entered) const;
  // The sprite with its top left corner at (x, y), if the list has it.
  void DrawSprite(TSurface& target, const char* name, int x, int y, bool transparent) const;
  // The sprite with its colour key, vertically centred on `middle`.
  void DrawCentred(TSurface& target, const char* name, int x, int middle) const;

  const TGame& FGame;
  TTableArt FArt;
};
