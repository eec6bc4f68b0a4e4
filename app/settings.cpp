#include "app/settings.h"

#include <filesystem>

#define SI_NO_CONVERSION   // the texts are bytes; nothing to convert
#define SI_IMPLEMENTATION  // the templates are defined where they are used
#include <SimpleIni.h>

std::string OptionsFilePath(const std::string& folder) {
  const std::filesystem::path base(folder);
  CSimpleIniA ini;
  // A missing or unreadable file reads as empty.
  ini.LoadFile((base / SettingsFileName).c_str());
  const std::string value = ini.GetValue("MAIN", "OPTIONSFILE", DefaultOptionsFile);
  const std::filesystem::path named(value);
  if (named.has_parent_path()) return value;
  return (base / named.filename()).string();
}

namespace {

constexpr const char* kWindowSection = "WINDOW";

}  // namespace

TWindowPlacement ReadWindowPlacement(const std::string& folder) {
  CSimpleIniA ini;
  ini.LoadFile((std::filesystem::path(folder) / WindowSettingsFileName).c_str());
  const long width = ini.GetLongValue(kWindowSection, "WIDTH", 0);
  const long height = ini.GetLongValue(kWindowSection, "HEIGHT", 0);
  // Beyond any screen: a damaged file, not a size.
  constexpr long kLargest = 1 << 16;
  const bool usable = width > 0 && height > 0 && width <= kLargest && height <= kLargest;
  return {usable ? static_cast<int>(width) : 0, usable ? static_cast<int>(height) : 0,
          ini.GetBoolValue(kWindowSection, "FULLSCREEN", false)};
}

bool WriteWindowPlacement(const std::string& folder, const TWindowPlacement& placement) {
  CSimpleIniA ini;
  ini.SetLongValue(kWindowSection, "WIDTH", placement.Width);
  ini.SetLongValue(kWindowSection, "HEIGHT", placement.Height);
  ini.SetBoolValue(kWindowSection, "FULLSCREEN", placement.Fullscreen);
  return ini.SaveFile((std::filesystem::path(folder) / WindowSettingsFileName).c_str()) == SI_OK;
}
