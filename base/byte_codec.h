#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The 4-byte integer of every binary format the game reads and writes.

// Four bytes, least significant first.
std::string IntToBin4(std::int32_t value);

// Reads the last four bytes of `bytes` least significant first; a shorter input counts as if
// zero bytes stood in front of it (so "\x01\x02" gives 0x02010000).
std::int32_t Bin4ToInt(std::string_view bytes);
