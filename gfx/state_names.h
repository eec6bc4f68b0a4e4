#pragma once

#include <array>
#include <string>
#include <string_view>

// The three looks of a widget (normal, pressed, disabled) named in one string:
// "BT_DO|BT1_DO|BT2_DO". Missing names are empty; names after the third are dropped.
std::array<std::string, 3> SplitStateNames(std::string_view names);
