#include "gfx/widget_text.h"

std::uint8_t TWidgetText::GetFont(TWidgetState state) const {
  const auto index = static_cast<size_t>(state);
  return index < Fonts.size() ? Fonts[index] : 0;
}

std::string TWidgetText::FontPrefix(TWidgetState state) const { return "&" + std::to_string(GetFont(state)); }
