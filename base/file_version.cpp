#include "base/file_version.h"

#include "version_numbers.h"

TFileVersion GetFileVersion() {
  return {ThousandVersionMajor, ThousandVersionMinor, ThousandVersionRelease, ThousandVersionBuild};
}

std::string FileVersionText() {
  const TFileVersion version = GetFileVersion();
  return std::to_string(version.Major) + "." + std::to_string(version.Minor) + "." + std::to_string(version.Release) +
         "." + std::to_string(version.Build);
}
