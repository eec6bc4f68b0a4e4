#include "gfx/check_box.h"

#include "gfx/letters.h"
#include "gfx/surface_collection.h"
#include "platform/surface.h"

namespace {
constexpr int kCaptionGap = 5;
}

TSefraCheckBox::TSefraCheckBox(int left, int top, int width, int height) : TSefraDXClass(TWidgetKind::wkCheckBox) {
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
}

bool TSefraCheckBox::MouseDown(int x, int y) {
  if (!TSefraDXClass::MouseDown(x, y)) return false;
  Checked = !Checked;
  return true;
}

void TSefraCheckBox::Draw(TSurface& target, int offsetX, int offsetY) const {
  if (!FVisible) return;
  const TSurface* box = FImages ? FImages->FindSurface(Checked ? OnImage : OffImage) : nullptr;
  const int boxWidth = box ? box->Width() : 0;
  if (Letters) {
    const int x = FLeft + offsetX + (CaptionLeft ? 0 : boxWidth + kCaptionGap);
    Letters->DrawLine(target, x, offsetY + FTop + FHeight / 2, FontPrefix(FState) + Caption, TLetterAlign::laLeft,
                      TLetterAlign::laCenter);
  }
  if (box) {
    const int x = FLeft + offsetX + (CaptionLeft ? FWidth - boxWidth : 0);
    target.Draw(x, offsetY + FTop + (FHeight - box->Height()) / 2, *box, true);
  }
}
