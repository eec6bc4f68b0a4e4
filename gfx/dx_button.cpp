#include "gfx/dx_button.h"

#include "gfx/state_names.h"
#include "gfx/surface_collection.h"
#include "platform/surface.h"

void TSefraDXButton::SetState(TWidgetState state) {
  FPrevState = FState;
  FState = state;
}

const std::string& TSefraDXButton::NameFor(const std::array<std::string, WidgetStateCount>& names,
                                           TWidgetState state) {
  static const std::string kNone;
  const auto index = static_cast<size_t>(state);
  return index < names.size() ? names[index] : kNone;
}

void TSefraDXButton::SetImageNames(std::string_view names) { FImageNames = SplitStateNames(names); }

void TSefraDXButton::SetMaskNames(std::string_view names) { FMaskNames = SplitStateNames(names); }

const std::string& TSefraDXButton::GetImageName(TWidgetState state) const { return NameFor(FImageNames, state); }

const std::string& TSefraDXButton::GetMaskName(TWidgetState state) const { return NameFor(FMaskNames, state); }

TSize TSefraDXButton::GetImageSize() const {
  const TSurface* image = FImages ? FImages->FindSurface(GetImageName(FState)) : nullptr;
  return image ? TSize{image->Width(), image->Height()} : TSize{};
}

TRect ButtonBox(const TSefraDXButton& button) {
  const TSize size = button.GetImageSize();
  return {button.Left(), button.Top(), size.Width, size.Height};
}

bool TSefraDXButton::MouseDown(int x, int y) {
  if (FState != TWidgetState::wsNormal || !FImages) return false;
  const TSurface* mask = FImages->FindSurface(GetMaskName(TWidgetState::wsNormal));
  if (!mask) return false;
  const long long maskX = static_cast<long long>(x) - FLeft;
  const long long maskY = static_cast<long long>(y) - FTop;
  if (maskX < 0 || maskY < 0 || maskX >= mask->Width() || maskY >= mask->Height()) return false;
  return mask->Pixel(static_cast<int>(maskX), static_cast<int>(maskY)) != 0;
}

void TSefraDXButton::Draw(TSurface& target, int offsetX, int offsetY) const {
  if (!FImages) return;
  if (const TSurface* image = FImages->FindSurface(GetImageName(FState)))
    target.Draw(offsetX + FLeft, offsetY + FTop, *image, true);
}

void TSefraDXButton::Press(int ticks) {
  SetState(TWidgetState::wsPressed);
  FPressTicks = ticks;
}

bool TSefraDXButton::Tick() {
  if (FPressTicks <= 0) return false;
  if (--FPressTicks > 0) return false;
  // A button disabled while its pressed look ran stays disabled; the press is void.
  if (FState != TWidgetState::wsPressed) return false;
  SetState(TWidgetState::wsNormal);
  return true;
}

bool TSefraDXButton::Clicked() {
  const bool clicked = FPrevState == TWidgetState::wsPressed && FState == TWidgetState::wsNormal;
  FPrevState = FState;
  return clicked;
}

void SetButtonEnabled(TSefraDXButton& button, bool enabled) {
  button.SetEnabled(enabled);
  if (!enabled)
    button.SetState(TWidgetState::wsDisabled);
  else if (button.State() == TWidgetState::wsDisabled)
    button.SetState(TWidgetState::wsNormal);
}
