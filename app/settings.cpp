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
