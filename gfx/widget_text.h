#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "gfx/widget.h"

class TLettersCollection;

// The text side shared by the widgets that write a caption: a font number per state and the
// font set they are drawn with.
class TWidgetText {
public:
  std::array<std::uint8_t, WidgetStateCount> Fonts{};
  const TLettersCollection* Letters = nullptr;  // not owned

  // Font 0 for a state outside the three.
  std::uint8_t GetFont(TWidgetState state) const;
  // The markup that switches to the state's font: "&" and the font number.
  std::string FontPrefix(TWidgetState state) const;
};
