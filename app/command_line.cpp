#include "app/command_line.h"

#include <algorithm>

#include "base/file_version.h"

namespace {

const char* const kHelp =
    "Usage: thousand [--help | --version]\n"
    "The dice game Thousand («Тысяча») for one to six players, people or computer, at one\n"
    "machine or over a network.\n"
    "\n"
    "  --help      print this help and exit\n"
    "  --version   print the version and exit\n"
    "\n"
    "Keys, files and environment: man 6 thousand.\n";

}  // namespace

TLaunchRequest ReadCommandLine(std::span<const std::string> arguments) {
  const auto given = [&](const char* option) {
    return std::find(arguments.begin(), arguments.end(), option) != arguments.end();
  };
  if (given("--help") || given("-h")) return {TLaunch::PrintHelp, kHelp};
  if (given("--version")) return {TLaunch::PrintVersion, "thousand " + FileVersionText() + "\n"};
  if (!arguments.empty())
    return {TLaunch::Refuse, "thousand: unknown argument '" + arguments.front() + "'\n" + kHelp};
  return {};
}
