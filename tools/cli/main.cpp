// thousand-cli: the rules tool. Finds the subcommand named by the first argument and runs it.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "base/file_version.h"
#include "tools/cli/command.h"

#define THOUSAND_CLI_COMMAND(name) extern const TCommand name;
#include "tools/cli/commands.def"
#undef THOUSAND_CLI_COMMAND

namespace {

const TCommand* const Commands[] = {
#define THOUSAND_CLI_COMMAND(name) &name,
#include "tools/cli/commands.def"
#undef THOUSAND_CLI_COMMAND
};

void PrintCommandList(std::ostream& out) {
  out << "usage: thousand-cli COMMAND [ARGS...]\n"
         "       thousand-cli COMMAND --help\n"
         "       thousand-cli --version\n\n"
         "Commands:\n";
  std::size_t width = 0;
  for (const TCommand* command : Commands) width = std::max(width, command->Name.size());
  for (const TCommand* command : Commands) {
    out << "  " << command->Name << std::string(width - command->Name.size() + 2, ' ')
        << command->Summary << "\n";
  }
}

bool IsHelp(const std::string& arg) { return arg == "--help" || arg == "-h"; }

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + std::min(argc, 1), argv + argc);
  if (args.empty()) {
    PrintCommandList(std::cerr);
    return ExitBadInput;
  }
  if (IsHelp(args[0])) {
    PrintCommandList(std::cout);
    return 0;
  }
  if (args[0] == "--version") {
    std::cout << "thousand-cli " << FileVersionText() << "\n";
    return 0;
  }
  const auto found = std::find_if(std::begin(Commands), std::end(Commands),
                                  [&](const TCommand* command) { return command->Name == args[0]; });
  if (found == std::end(Commands)) {
    std::cerr << "thousand-cli: unknown command '" << args[0] << "'\n\n";
    PrintCommandList(std::cerr);
    return ExitBadInput;
  }
  const TCommand& command = **found;
  const std::span<const std::string> rest(args.begin() + 1, args.end());
  if (std::any_of(rest.begin(), rest.end(), IsHelp)) {
    std::cout << command.Usage;
    return 0;
  }
  return command.Run(rest);
}
