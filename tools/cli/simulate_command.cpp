// thousand-cli simulate: the rules lab. Plays many games between computer players.
#include <charconv>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <optional>

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
    if (arg == "--json") {
      json = true;
      continue;
    }
    if (arg != "--games" && arg != "--players" && arg != "--rules" && arg != "--seed")
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
    } else {
      std::error_code error;
      if (!std::filesystem::is_regular_file(value, error)) return Refuse("no rule-set file '" + value + "'");
      LoadOptions(value, settings.Rules);
    }
  }
  if (!haveGames || !havePlayers) return Refuse("give --games N and --players K");
  std::cout << FormatSimulationReport(Simulate(settings), json);
  return 0;
}

}  // namespace

extern const TCommand SimulateCommand{
    "simulate", "play many games between computer players and count what happened",
    "usage: thousand-cli simulate --games N --players K [--rules FILE.st] [--seed S] [--json]\n\n"
    "Plays N games of K computer players (2..6) under the rules of FILE.st (the default\n"
    "rules without it) through the game controller, the dice rolling step by step; only the\n"
    "computer's wait before its press and the pause before a lost turn passes are cut.\n"
    "The same seed plays the same games. Prints, in this order:\n"
    "  games, players, turns_mean, turns_median, wins_by_seat (share per seat),\n"
    "  bolt_penalties_per_game, barrel_falls_per_game, score_wipes_per_game,\n"
    "  dump_trucks_per_game, overtakes_per_game, throws_by_dice (throws of 1..5 dice),\n"
    "  zero_throw_share (share of those throws that scored nothing), games_per_second\n"
    "  --json  print the same as one JSON object\n",
    RunSimulate};
