#include "game/game.h"

bool TGame::LoadOptions(const std::string& fileName) { return ::LoadOptions(fileName, FOptions); }

bool TGame::SaveOptions(const std::string& fileName) const { return ::SaveOptions(fileName, FOptions); }

std::string TGame::OptionsToString() const { return ::OptionsToString(FOptions); }

void TGame::OptionsFromString(std::string_view packed) { FOptions = OptionsInRange(::OptionsFromString(packed)); }
