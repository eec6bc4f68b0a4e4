#include "game/table_view.h"

#include <cstdio>
#include <string>

#include "dice/die_sprites.h"
#include "game/game.h"
#include "gfx/button_collection.h"
#include "gfx/letters.h"
#include "gfx/panels.h"
#include "gfx/surface_collection.h"

namespace {

constexpr std::uint32_t kTrayColor = 0x000000;
constexpr int kDieStep = 66;  // the width of a die sprite

struct THead {
  const char* Sprite;
  int X;
};
constexpr THead kHeads[] = {{"STAT", 342}, {"SCORE", 492}, {"BOLT", 524}, {"BARREL", 560}};

// Places of a score row, from the table's left edge.
constexpr int kCursorX = 340;
constexpr int kIconX = 342;
constexpr int kNameX = 380;
constexpr int kScoreX = 520;
constexpr int kBoltsX = 540;
constexpr int kBarrelX = 576;
constexpr int kMessageLineSpacing = 3;

}  // namespace

void TTableView::Draw(TSurface& target, const TRect& client) const {
  DrawSprite(target, "BACK", client.Left, client.Top, false);
  for (const THead& head : kHeads) DrawSprite(target, head.Sprite, client.Left + head.X, client.Top + HeadsTop, true);
  DrawLooseDice(target, client);
  DrawKeptDice(target, client);
  DrawPlayers(target, client);
}

void TTableView::AddToKey(TFrameKey& key) const {
  for (const TZarnik& die : FGame.RowDice()) {
    key.Add(die.Shown);
    key.Add(die.Kept);
    key.Add(die.Face);
    key.Add(DieSpriteFrame(die));
  }
  key.Add(FGame.Players().Count());
  key.Add(FGame.CurrentPlayerIndex());
  for (int i = 0; i < FGame.Players().Count(); ++i) {
    const TPlayer& player = FGame.Players().Player(i);
    key.Add(player.FName);
    for (const int value :
         {static_cast<int>(player.FScore), static_cast<int>(player.FBolts), static_cast<int>(player.FBarrelTries),
          static_cast<int>(player.FBarrelFalls), player.Total()})
      key.Add(value);
    key.Add(player.FEntered);
    key.Add(player.FStandIn);
  }
  const TGameOptions& rules = FGame.Options();
  for (const int rule :
       {static_cast<int>(rules.NEEDENTERGAME), static_cast<int>(rules.HOLE1SCORE1), static_cast<int>(rules.HOLE1SCORE2),
        static_cast<int>(rules.HOLE2SCORE1), static_cast<int>(rules.HOLE2SCORE2), static_cast<int>(rules.BARRELSTYPE),
        static_cast<int>(rules.BARRELSSCORE)})
    key.Add(rule);
  key.Add(FGame.MessagePhase());
  key.Add(FGame.Message());
  for (int i = 0; i < FArt.Buttons.Count(); ++i) {
    const TSefraDXButton& button = *FArt.Buttons.GetButton(i);
    key.Add(static_cast<int>(button.State()));
    key.Add(button.Visible());
  }
}

void TTableView::DrawLooseDice(TSurface& target, const TRect& client) const {
  DrawTray(target, client.Left + LooseTray.Left, client.Top + LooseTray.Top, false);
}

void TTableView::DrawKeptDice(TSurface& target, const TRect& client) const {
  DrawTray(target, client.Left + KeptTray.Left, client.Top + KeptTray.Top, true);
}

void TTableView::DrawTray(TSurface& target, int left, int top, bool kept) const {
  target.FillRect({left, top, LooseTray.Width, LooseTray.Height}, kTrayColor);
  int x = left;
  for (const TZarnik& die : FGame.RowDice()) {
    if (!die.Shown || die.Kept != kept) continue;
    if (const TSurface* sprite = FArt.DieSprites.FindSurface(DieSpriteName(die.Face, DieSpriteFrame(die))))
      target.Draw(x, top, *sprite, false);
    // The place is taken whether or not the sprite exists.
    x += kDieStep;
  }
}

void TTableView::DrawPlayers(TSurface& target, const TRect& client) const {
  for (int i = 0; i < FGame.Players().Count(); ++i) DrawPlayerRow(target, client, i);
  DrawPanels(target, FArt.Sprites, PanelX, PanelY, FGame.MessagePhase(), PanelSteps, "PAN_L", "PAN_R");
  // The text shows only on a panel that stands open.
  if (FGame.MessagePhase() == 0)
    FArt.Letters.DrawText(target, PanelX, PanelY, FGame.Message(), TLetterAlign::laCenter, TLetterAlign::laCenter,
                          kMessageLineSpacing);
  FArt.Buttons.Draw(target, 0, 0);
}

void TTableView::DrawPlayerRow(TSurface& target, const TRect& client, int index) const {
  const TPlayer& player = FGame.Players().Player(index);
  const int middle = client.Top + FirstRowMiddle + RowPitch * index;
  const bool current = index == FGame.CurrentPlayerIndex();
  const std::string colour = current ? "&2" : "&0";
  const TLettersCollection& letters = FArt.Letters;
  constexpr TLetterAlign kCenter = TLetterAlign::laCenter;

  if (current) DrawCentred(target, "PN_UP", client.Left + kCursorX, middle);
  letters.DrawLine(target, client.Left + kNameX, middle, colour + player.FName, TLetterAlign::laLeft, kCenter);
  // A player its machine left behind shows who plays it now instead of its standing.
  if (player.FStandIn)
    DrawCentred(target, "COMP", client.Left + kIconX, middle);
  else
    DrawStatusIcons(target, client.Left + kIconX, middle, player.Total(), player.FEntered);
  letters.DrawLine(target, client.Left + kScoreX, middle, colour + std::to_string(player.FScore),
                   TLetterAlign::laRight, kCenter);
  letters.DrawLine(target, client.Left + kBoltsX, middle, colour + std::to_string(player.FBolts), kCenter, kCenter);

  // On the score barrel the first try is the seat itself, not a miss.
  const int tries = player.FBarrelTries;
  const int misses = tries > 0 && FGame.Options().BARRELSTYPE != 2 ? tries - 1 : tries;
  char counters[32];
  std::snprintf(counters, sizeof counters, "%d/%d", static_cast<int>(player.FBarrelFalls), misses);
  letters.DrawLine(target, client.Left + kBarrelX, middle, colour + counters, kCenter, kCenter);
}

void TTableView::DrawStatusIcons(TSurface& target, int x, int middle, int total, bool entered) const {
  const TGameOptions& rules = FGame.Options();
  if (!entered && rules.NEEDENTERGAME) DrawCentred(target, "SCORE", x, middle);
  // The hole icon reads the bounds only, whether or not the holes are in play.
  const bool inHole1 = rules.HOLE1SCORE1 <= total && total < rules.HOLE1SCORE2;
  const bool inHole2 = rules.HOLE2SCORE1 <= total && total < rules.HOLE2SCORE2;
  if (inHole1 || inHole2) DrawCentred(target, "SPADE", x, middle);
  if (total == 1000)
    DrawCentred(target, "STAT", x, middle);
  else if (rules.BARRELSTYPE == 1 && total >= rules.BARRELSSCORE)
    DrawCentred(target, "BARREL", x, middle);
}

void TTableView::DrawSprite(TSurface& target, const char* name, int x, int y, bool transparent) const {
  if (const TSurface* sprite = FArt.Sprites.FindSurface(name)) target.Draw(x, y, *sprite, transparent);
}

void TTableView::DrawCentred(TSurface& target, const char* name, int x, int middle) const {
  if (const TSurface* sprite = FArt.Sprites.FindSurface(name)) target.Draw(x, middle - sprite->Height() / 2, *sprite, true);
}
