#include "game/game.h"

bool TGame::LoadOptions(const std::string& fileName) { return ::LoadOptions(fileName, Options); }

bool TGame::SaveOptions(const std::string& fileName) const { return ::SaveOptions(fileName, Options); }

std::string TGame::OptionsToString() const { return ::OptionsToString(Options); }

void TGame::OptionsFromString(std::string_view packed) { Options = OptionsInRange(::OptionsFromString(packed)); }
