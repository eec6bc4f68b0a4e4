#pragma once

#include <string>
#include <string_view>

// The game's texts are Windows-1251 byte strings. Source literals are UTF-8 and pass through
// Cp1251 once; whatever the desktop shows (captions, message boxes, dialogs) passes back
// through Utf8. Characters the code page lacks become '?'.
std::string Cp1251(std::string_view utf8);
std::string Utf8(std::string_view cp1251);
