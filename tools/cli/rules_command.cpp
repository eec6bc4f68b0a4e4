// thousand-cli rules: the rules a rule-set file gives, as the game loads them.
#include <cstdio>
#include <iostream>

#include "game/options.h"
#include "gfx/file_io.h"
#include "tools/cli/command.h"

namespace {

std::string Hex(std::string_view bytes) {
  std::string text;
  char digits[3];
  for (const char byte : bytes) {
    std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned char>(byte));
    text += digits;
  }
  return text;
}

int RunRules(std::span<const std::string> args) {
  bool packed = false;
  std::string fileName;
  for (const std::string& arg : args) {
    if (arg == "--packed") {
      packed = true;
    } else if (fileName.empty() && !arg.starts_with("--")) {
      fileName = arg;
    } else {
      std::cerr << "rules: unexpected argument '" << arg << "'\n";
      return ExitBadInput;
    }
  }
  if (fileName.empty()) {
    std::cerr << "rules: give a rule-set file (FILE.st)\n";
    return ExitBadInput;
  }
  // The game falls back to the defaults for a file it cannot read; asked about a file by
  // name, the tool says so instead.
  const std::optional<std::string> text = ReadFileToString(fileName);
  if (!text) {
    std::cerr << "rules: cannot read " << fileName << "\n";
    return ExitBadInput;
  }
  const TGameOptions options = OptionsFromIni(*text);
  std::cout << (packed ? Hex(OptionsToString(options)) + "\n" : FormatOptionLines(options));
  return 0;
}

}  // namespace

extern const TCommand RulesCommand{
    "rules", "show the rules a rule-set file gives",
    "usage: thousand-cli rules [--packed] FILE.st\n\n"
    "Loads the rule-set file as the game does (bad values become defaults or are brought\n"
    "into range) and prints the 25 KEY=VALUE lines of section [OPTIONS] in file order,\n"
    "exactly as the game would save them.\n"
    "  --packed  print the 55-byte packed form as hex instead\n"
    "Exits 2 when the file is missing or unreadable.\n",
    RunRules};
