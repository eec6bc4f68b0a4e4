#include "base/file_version.h"

#include "version_numbers.h"

TFileVersion GetFileVersion() {
  return {ThousandVersionMajor, ThousandVersionMinor, ThousandVersionRelease, ThousandVersionBuild};
}
