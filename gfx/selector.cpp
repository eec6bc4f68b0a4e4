#include "gfx/selector.h"

#include "gfx/letters.h"

TSefraSelector::TSefraSelector(int left, int top) : TSefraDXClass(TWidgetKind::wkSelector) {
  FLeft = left;
  FTop = top;
}

std::string TSefraSelector::GetText() const {
  std::string text = FontPrefix(FState) + Caption;
  if (ItemIndex >= 0 && static_cast<size_t>(ItemIndex) < Items.size()) text += " " + Items[ItemIndex];
  return text;
}

bool TSefraSelector::MouseDown(int x, int y) {
  if (!FVisible || FState != TWidgetState::wsNormal || !Letters) return false;
  const std::string text = GetText();
  const bool hit = x >= FLeft && y >= FTop && x < static_cast<long long>(FLeft) + Letters->TextWidth(text) &&
                   y < static_cast<long long>(FTop) + Letters->LineHeight(text);
  if (hit && CycleOnClick) {
    const bool atEnd = ItemIndex < 0 || static_cast<size_t>(ItemIndex) + 1 >= Items.size();
    ItemIndex = atEnd ? 0 : ItemIndex + 1;
  }
  return hit;
}

void TSefraSelector::Draw(TSurface& target, int offsetX, int offsetY) const {
  if (!FVisible || !Letters) return;
  Letters->DrawLine(target, FLeft + offsetX, offsetY + FTop + FHeight / 2, GetText(), TLetterAlign::laLeft,
                    TLetterAlign::laCenter);
}
