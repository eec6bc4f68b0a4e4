// thousand-cli score: what one throw scores.
#include <iostream>
#include <vector>

#include "game/scoring.h"
#include "tools/cli/command.h"

namespace {

int RunScore(std::span<const std::string> args) {
  if (args.empty() || args.size() > MaxThrowDice) {
    std::cerr << "score: give one to five faces (1..6)\n";
    return ExitBadInput;
  }
  std::vector<int> faces;
  for (const std::string& arg : args) {
    if (arg.size() != 1 || arg[0] < '1' || arg[0] > '6') {
      std::cerr << "score: '" << arg << "' is not a face; faces are 1..6\n";
      return ExitBadInput;
    }
    faces.push_back(arg[0] - '0');
  }
  const TThrowScore score = ScoreFaces(faces);
  std::cout << "points=" << score.Points << " set=" << score.SetFace << " scoring=";
  const char* separator = "";
  for (int die = 0; die < static_cast<int>(faces.size()); ++die) {
    if (!score.Scores(die)) continue;
    std::cout << separator << die;
    separator = ",";
  }
  std::cout << "\n";
  return 0;
}

}  // namespace

extern const TCommand ScoreCommand{
    "score", "score one throw of 1 to 5 dice",
    "usage: thousand-cli score F1 [F2 ... F5]\n\n"
    "Scores one throw: each F is the face (1..6) of one die. Prints one line\n"
    "  points=P set=S scoring=I,J,...\n"
    "P: the throw's points; S: the face of a set of three or more (0 without one);\n"
    "scoring: the dice that score (1s, 5s and the set), numbered from 0.\n"
    "Exit status 2 for no face, a face outside 1..6 or more than five faces.\n",
    RunScore};
