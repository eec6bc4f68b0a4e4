// thousand-cli simulate: the rules lab. Plays many games between computer players.
#include <charconv>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <optional>
#include <vector>

#include "game/simulation.h"
#include "tools/cli/command.h"

namespace {

template <typename TNumber>
std::optional<TNumber> ParseNumber(const std::string& text) {
  TNumber value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// "0,2,0,0": one level per seat, each 0..255.
std::optional<std::vector<int>> ParseLevels(const std::string& text) {
  std::vector<int> levels;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    const auto level = ParseNumber<int>(text.substr(start, comma - start));
    if (!level || *level < 0 || *level > 255) return std::nullopt;
    levels.push_back(*level);
    if (comma == std::string::npos) return levels;
    start = comma + 1;
  }
}

int Refuse(const std::string& why) {
  std::cerr << "simulate: " << why << "\n";
  return ExitBadInput;
}

int RunSimulate(std::span<const std::string> args) {
  TSimulationSettings settings;
  settings.Seed = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  bool json = false;
  bool haveGames = false;
  bool havePlayers = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--json" || arg == "--rotate" || arg == "--stepped") {
      json = json || arg == "--json";
      settings.Rotate = settings.Rotate || arg == "--rotate";
      settings.Stepped = settings.Stepped || arg == "--stepped";
      continue;
    }
    if (arg != "--games" && arg != "--players" && arg != "--rules" && arg != "--seed" && arg != "--levels")
      return Refuse("unexpected argument '" + arg + "'");
    if (i + 1 >= args.size()) return Refuse(arg + " needs a value");
    const std::string& value = args[++i];
    if (arg == "--games") {
      const auto games = ParseNumber<int>(value);
      if (!games || *games < 1) return Refuse("--games needs a whole number of at least 1");
      settings.Games = *games;
      haveGames = true;
    } else if (arg == "--players") {
      const auto players = ParseNumber<int>(value);
      if (!players || *players < SimulationMinPlayers || *players > SimulationMaxPlayers)
        return Refuse("--players needs a whole number from 2 to 6");
      settings.Players = *players;
      havePlayers = true;
    } else if (arg == "--seed") {
      const auto seed = ParseNumber<std::uint64_t>(value);
      if (!seed) return Refuse("--seed needs a whole number of at least 0");
      settings.Seed = *seed;
    } else if (arg == "--levels") {
      const auto levels = ParseLevels(value);
      if (!levels) return Refuse("--levels needs whole numbers from 0 to 255 separated by commas");
      settings.Levels = *levels;
    } else {
      std::error_code error;
      if (!std::filesystem::is_regular_file(value, error)) return Refuse("no rule-set file '" + value + "'");
      LoadOptions(value, settings.Rules);
    }
  }
  if (!haveGames || !havePlayers) return Refuse("give --games N and --players K");
  if (!settings.Levels.empty() && static_cast<int>(settings.Levels.size()) != settings.Players)
    return Refuse("--levels needs one level per player");
  std::cout << FormatSimulationReport(Simulate(settings), json);
  return 0;
}

}  // namespace

extern const TCommand SimulateCommand{
    "simulate", "play many games between computer players and count what happened",
    "usage: thousand-cli simulate --games N --players K [--rules FILE.st] [--seed S]\n"
    "                             [--levels L1,L2,...] [--rotate] [--stepped] [--json]\n\n"
    "Plays N games of K computer players (2..6) under the rules of FILE.st (the default\n"
    "rules without it) through the game controller. The computer's wait before its press and\n"
    "the pause before a lost turn passes are cut, and a throw settles at once with the same\n"
    "draws its rolling dice would make. The same seed plays the same games. Prints, in this order:\n"
    "  games, players, turns_mean, turns_median, wins_by_seat (share per seat),\n"
    "  bolt_penalties_per_game, barrel_falls_per_game, score_wipes_per_game,\n"
    "  dump_trucks_per_game, overtakes_per_game, throws_by_dice (throws of 1..5 dice),\n"
    "  zero_throw_share (share of those throws that scored nothing), games_per_second,\n"
    "  wins_by_level (level:share for each level that played)\n"
    "  --levels   the computer level of each seat (0 normal, 1 risky, 2 strong; default all 0)\n"
    "  --rotate   every game shifts the levels one seat on, sharing the first move's edge\n"
    "  --stepped  rolls the dice step by step as the table does (slower, the same games)\n"
    "  --json     print the same as one JSON object\n",
    RunSimulate};
