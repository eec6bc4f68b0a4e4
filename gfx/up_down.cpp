#include "gfx/up_down.h"

#include <algorithm>
#include <limits>

#include "gfx/letters.h"

TSefraUpDown::TSefraUpDown(int left, int top, int width, int height)
    : TSefraDXClass(TWidgetKind::wkUpDown),
      FUpButton(std::make_unique<TSefraDXButton>()),
      FDownButton(std::make_unique<TSefraDXButton>()) {
  FLeft = left;
  FTop = top;
  FWidth = width;
  FHeight = height;
  FUpButton->SetImages(FImages);
  FDownButton->SetImages(FImages);
  UpdateArrows();
}

void TSefraUpDown::SetImages(const TSurfaceSortCollection* images) {
  TSefraDXClass::SetImages(images);
  RelayoutButtons();
}

void TSefraUpDown::SetHeight(int value) {
  TSefraDXClass::SetHeight(value);
  RelayoutButtons();
}

void TSefraUpDown::SetWidth(int value) {
  TSefraDXClass::SetWidth(value);
  RelayoutButtons();
}

void TSefraUpDown::RelayoutButtons() {
  FUpButton->SetImages(FImages);
  FDownButton->SetImages(FImages);
  Layout();
}

void TSefraUpDown::SetButtonImages(const std::string& upNormal, const std::string& upPressed,
                                   const std::string& upDisabled, const std::string& upMask,
                                   const std::string& downNormal, const std::string& downPressed,
                                   const std::string& downDisabled, const std::string& downMask) {
  FUpButton->SetImageNames(upNormal + "|" + upPressed + "|" + upDisabled);
  FUpButton->SetMaskNames(upMask + "|" + upMask + "|" + upMask);
  FDownButton->SetImageNames(downNormal + "|" + downPressed + "|" + downDisabled);
  FDownButton->SetMaskNames(downMask + "|" + downMask + "|" + downMask);
  Layout();
}

void TSefraUpDown::Layout() {
  const long long middle = static_cast<long long>(FTop) + FHeight / 2;
  const long long right = static_cast<long long>(FLeft) + FWidth;
  const TSize up = FUpButton->GetImageSize();
  FUpButton->SetTop(static_cast<int>(middle - up.Height - 1));
  FUpButton->SetLeft(static_cast<int>(right - up.Width));
  const TSize down = FDownButton->GetImageSize();
  FDownButton->SetTop(static_cast<int>(middle + 1));
  FDownButton->SetLeft(static_cast<int>(right - down.Width));
  FButtonsWidth = std::max(up.Width, down.Width);
  UpdateArrows();
}

void TSefraUpDown::SetValue(int value) {
  FValue = std::min(std::max(value, FMin), FMax);
  Changed = true;
  UpdateArrows();
}

void TSefraUpDown::SetMax(int value) {
  FMax = value;
  FValue = std::min(FValue, FMax);
  UpdateArrows();
}

void TSefraUpDown::SetMin(int value) {
  FMin = value;
  FValue = std::max(FValue, FMin);
  UpdateArrows();
}

void TSefraUpDown::UpdateArrows() {
  if (FValue < FMax) {
    if (FUpButton->State() == TWidgetState::wsDisabled) FUpButton->SetState(TWidgetState::wsNormal);
  } else {
    FUpButton->SetState(TWidgetState::wsDisabled);
  }
  if (FValue <= FMin) {
    FDownButton->SetState(TWidgetState::wsDisabled);
  } else if (FDownButton->State() == TWidgetState::wsDisabled) {
    FDownButton->SetState(TWidgetState::wsNormal);
  }
}

bool TSefraUpDown::MouseDown(int x, int y) {
  if (FState != TWidgetState::wsNormal || !FVisible) return false;
  for (TSefraDXButton* button : {FUpButton.get(), FDownButton.get()})
    if (button->MouseDown(x, y)) button->Press(PressedLookTicks);
  return false;
}

void TSefraUpDown::ApplyClicks(TSefraDXButton& button, long long change) {
  button.Tick();
  if (!button.Clicked()) return;
  // Wide sum, so a huge step cannot overflow; SetValue brings it into range.
  const long long wanted = std::clamp<long long>(FValue + change, std::numeric_limits<int>::min(),
                                                 std::numeric_limits<int>::max());
  SetValue(static_cast<int>(wanted));
}

void TSefraUpDown::Update() {
  ApplyClicks(*FUpButton, Step);
  ApplyClicks(*FDownButton, -static_cast<long long>(Step));
}

void TSefraUpDown::Draw(TSurface& target, int offsetX, int offsetY) const {
  if (!FVisible) return;
  if (Letters) {
    const std::string prefix = FontPrefix(FState);
    const int y = offsetY + FTop + FHeight / 2;
    Letters->DrawLine(target, FLeft + offsetX, y, prefix + Caption, TLetterAlign::laLeft, TLetterAlign::laCenter);
    Letters->DrawLine(target, FLeft + offsetX + FWidth - FButtonsWidth - 2, y, prefix + std::to_string(FValue),
                      TLetterAlign::laRight, TLetterAlign::laCenter);
  }
  FUpButton->Draw(target, offsetX, offsetY);
  FDownButton->Draw(target, offsetX, offsetY);
}
