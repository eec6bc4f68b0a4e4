#pragma once

#include <cstdint>

// Whether a Windows-1251 code may be typed into a player's name: Cyrillic and Latin letters,
// digits and a fixed set of signs (no space).
bool IsNameCharacter(std::uint8_t code);
