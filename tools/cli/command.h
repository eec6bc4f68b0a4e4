#pragma once

#include <span>
#include <string>
#include <string_view>

// One subcommand of thousand-cli. Each lives in its own file and is listed in commands.def.
struct TCommand {
  std::string_view Name;
  std::string_view Summary;  // one line for the command list
  std::string_view Usage;    // the text of "<name> --help"
  // Runs with the arguments after the command's name; returns the exit status
  // (0 done, 2 bad arguments or input the command refuses).
  int (*Run)(std::span<const std::string> args);
};

inline constexpr int ExitBadInput = 2;
