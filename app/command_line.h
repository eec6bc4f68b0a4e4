#pragma once

#include <span>
#include <string>

// What the command line of `thousand` asks for: the game, or a line of text and an exit.
enum class TLaunch { Play, PrintVersion, PrintHelp, Refuse };

struct TLaunchRequest {
  TLaunch What = TLaunch::Play;
  std::string Text;  // what to print (standard output, or standard error on Refuse)
};

// Reads the arguments after the program's name; --version and --help win over the rest.
TLaunchRequest ReadCommandLine(std::span<const std::string> arguments);
