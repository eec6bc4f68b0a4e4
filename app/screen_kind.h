#pragma once

#include <cstdint>

// The open screen of the main window.
enum class TScreenKind : std::uint8_t { skTable = 0, skMainMenu = 1, skPlayers = 2, skOptions = 3, skNetwork = 4 };
