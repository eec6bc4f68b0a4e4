// thousand-cli demo: a few throws of five dice with what each scores.
#include <iostream>
#include <random>
#include <vector>

#include "game/scoring.h"
#include "tools/cli/command.h"

namespace {

constexpr int kDemoThrows = 5;

void PrintThrow(int number, const std::vector<int>& faces) {
  const TThrowScore score = ScoreFaces(faces);
  std::cout << "Бросок " << number << ":";
  for (const int face : faces) std::cout << " " << face;
  if (score.Points == 0) {
    std::cout << " — ничего, ход потерян\n";
    return;
  }
  std::cout << " — очков: " << score.Points << "; в зачёт:";
  for (int die = 0; die < static_cast<int>(faces.size()); ++die) {
    if (score.Scores(die)) std::cout << " " << faces[die];
  }
  std::cout << "\n";
}

int RunDemo(std::span<const std::string> args) {
  if (!args.empty()) {
    std::cerr << "demo: takes no arguments\n";
    return ExitBadInput;
  }
  std::mt19937 generator(std::random_device{}());
  std::uniform_int_distribution<int> face(1, 6);
  std::cout << "Тысяча: " << kDemoThrows << " бросков пяти костей\n";
  for (int number = 1; number <= kDemoThrows; ++number) {
    std::vector<int> faces(MaxThrowDice);
    for (int& value : faces) value = face(generator);
    PrintThrow(number, faces);
  }
  return 0;
}

}  // namespace

extern const TCommand DemoCommand{
    "demo", "throw five dice a few times and show the scores",
    "usage: thousand-cli demo\n\n"
    "Throws five dice five times at random and prints each throw with its points\n"
    "and the dice that score (in Russian).\n",
    RunDemo};
