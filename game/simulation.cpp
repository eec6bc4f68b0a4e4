#include "game/simulation.h"

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <numeric>

#include "base/cp1251.h"
#include "game/game_loop.h"
#include "game/random.h"

namespace {

// The lab cuts the waits a person would watch.
TLoopPacing LabPacing(bool stepped) {
  return {.ComputerPressDelay = 1, .CutPassDelay = true, .FastForwardDice = true, .SettleDiceAtOnce = !stepped};
}

int SeatLevel(const TSimulationSettings& settings, int seat) {
  const auto index = static_cast<std::size_t>(seat);
  return index < settings.Levels.size() ? settings.Levels[index] : 0;
}

// "Компьютер 1", "Компьютер 2", …: made once for all the games.
std::vector<std::string> ComputerNames(int count) {
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) names.push_back(Cp1251("Компьютер ") + std::to_string(i + 1));
  return names;
}

void AddComputers(TGame& game, const TSimulationSettings& settings, const std::vector<std::string>& names, int shift) {
  const int count = static_cast<int>(names.size());
  for (int i = 0; i < count; ++i) {
    TPlayer player;
    player.FName = names[i];
    player.FKind = PlayerKindComputer;
    player.FLevel = static_cast<std::uint8_t>(SeatLevel(settings, (i + shift) % count));
    game.AddPlayer(player);
  }
  game.UpdateButtons();
}

// Plays one game to its end and adds what happened to the report.
void PlayGame(TGame& game, bool stepped, TSimulationReport& report) {
  TGameLoop loop(game, LabPacing(stepped));
  loop.PressButton(TTableButtons::Start);
  int turns = 0;
  bool started = false;
  // A game that cannot start or stops moving must not hold the lab for ever.
  const long tickCap = SimulationTurnCap * 1000L;
  for (long ticks = 0; turns < SimulationTurnCap && ticks < tickCap && (!started || !game.GameOver()); ++ticks) {
    if (!stepped) ticks += loop.SkipIdleTicks();
    const TStepEvents events = loop.TableStep();
    started = started || events.GameStarted;
    if (events.Settled && events.SettledDice >= 1 && events.SettledDice <= 5) {
      ++report.ThrowsByDice[events.SettledDice - 1];
      if (events.Outcome == TThrowOutcome::Zero) ++report.ZeroThrowsByDice[events.SettledDice - 1];
    }
    if (events.TurnRecorded || (events.Settled && events.Outcome != TThrowOutcome::Scored)) ++turns;
    if (events.GameWon) {
      ++report.WinsBySeat[game.CurrentPlayerIndex()];
      ++report.WinsByLevel[game.CurrentPlayer()->FLevel];
    }
  }
  report.TurnsPerGame.push_back(turns);
  report.BoltPenalties += game.Tally().BoltPenalties;
  report.BarrelFalls += game.Tally().BarrelFalls;
  report.ScoreWipes += game.Tally().ScoreWipes;
  report.DumpTrucks += game.Tally().DumpTrucks;
  report.Overtakes += game.Tally().Overtakes;
}

std::string Decimal(double value, int digits) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", digits, value);
  return text;
}

template <typename TValues, typename TFormat>
std::string Join(const TValues& values, TFormat format, bool json) {
  std::string text = json ? "[" : "";
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) text += json ? ", " : ",";
    text += format(i);
  }
  return json ? text + "]" : text;
}

// "0:0.4210,2:0.5790", or a JSON object keyed by the level as a string.
std::string JoinLevels(const TSimulationReport& report, bool json) {
  const double games = std::max(report.Games, 1);
  std::string text = json ? "{" : "";
  for (const auto& [level, wins] : report.WinsByLevel) {
    if (text.size() > (json ? 1U : 0U)) text += json ? ", " : ",";
    const std::string key = std::to_string(level);
    text += (json ? "\"" + key + "\": " : key + ":") + Decimal(wins / games, 4);
  }
  return json ? text + "}" : text;
}

}  // namespace

TSimulationReport Simulate(const TSimulationSettings& settings) {
  TSimulationReport report;
  report.Games = std::max(settings.Games, 0);
  report.Players = std::clamp(settings.Players, SimulationMinPlayers, SimulationMaxPlayers);
  report.WinsBySeat.assign(report.Players, 0);
  for (int seat = 0; seat < report.Players; ++seat) report.WinsByLevel.try_emplace(SeatLevel(settings, seat), 0);
  report.TurnsPerGame.reserve(report.Games);

  const std::vector<std::string> names = ComputerNames(report.Players);
  TSeededRandom random(settings.Seed);
  TRandomScope scope(random);
  // Processor time, so that other work on the machine does not lower the figure.
  const std::clock_t start = std::clock();
  for (int number = 0; number < report.Games; ++number) {
    const int shift = settings.Rotate ? number % report.Players : 0;
    TGame game;
    game.SetUnwatched(true);
    game.SetOptions(settings.Rules);
    AddComputers(game, settings, names, shift);
    PlayGame(game, settings.Stepped, report);
  }
  report.Seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  return report;
}

std::string FormatSimulationReport(const TSimulationReport& report, bool json) {
  const double games = std::max(report.Games, 1);
  std::vector<int> turns = report.TurnsPerGame;
  std::sort(turns.begin(), turns.end());
  double median = 0;
  if (!turns.empty()) {
    const std::size_t middle = turns.size() / 2;
    median = turns.size() % 2 == 1 ? turns[middle] : (turns[middle - 1] + turns[middle]) / 2.0;
  }
  const double mean = turns.empty() ? 0 : std::accumulate(turns.begin(), turns.end(), 0.0) / turns.size();
  const double perSecond = report.Seconds > 0 ? report.Games / report.Seconds : 0;

  const std::pair<std::string, std::string> lines[] = {
      {"games", std::to_string(report.Games)},
      {"players", std::to_string(report.Players)},
      {"turns_mean", Decimal(mean, 2)},
      {"turns_median", Decimal(median, 1)},
      {"wins_by_seat", Join(report.WinsBySeat, [&](std::size_t i) { return Decimal(report.WinsBySeat[i] / games, 4); }, json)},
      {"bolt_penalties_per_game", Decimal(report.BoltPenalties / games, 3)},
      {"barrel_falls_per_game", Decimal(report.BarrelFalls / games, 3)},
      {"score_wipes_per_game", Decimal(report.ScoreWipes / games, 3)},
      {"dump_trucks_per_game", Decimal(report.DumpTrucks / games, 3)},
      {"overtakes_per_game", Decimal(report.Overtakes / games, 3)},
      {"throws_by_dice", Join(report.ThrowsByDice, [&](std::size_t i) { return std::to_string(report.ThrowsByDice[i]); }, json)},
      {"zero_throw_share", Join(report.ZeroThrowsByDice,
                                [&](std::size_t i) {
                                  const long throws = report.ThrowsByDice[i];
                                  return Decimal(throws > 0 ? static_cast<double>(report.ZeroThrowsByDice[i]) / throws : 0, 4);
                                },
                                json)},
      {"games_per_second", Decimal(perSecond, 0)},
      {"wins_by_level", JoinLevels(report, json)},
  };
  std::string text = json ? "{" : "";
  bool first = true;
  for (const auto& [key, value] : lines) {
    if (json) {
      text += (first ? "" : ", ") + ("\"" + key + "\": ") + value;
    } else {
      text += key + ": " + value + "\n";
    }
    first = false;
  }
  return json ? text + "}\n" : text;
}
