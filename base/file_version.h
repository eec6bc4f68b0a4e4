#pragma once

#include <string>

struct TFileVersion {
  int Major = 0;
  int Minor = 0;
  int Release = 0;
  int Build = 0;
};

// The version compiled into this program (the build's project version, four numbers).
TFileVersion GetFileVersion();

// The same four numbers as text, "1.2.3.4", as the menu and --version show it.
std::string FileVersionText();
