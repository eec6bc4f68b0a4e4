#include "game/game_messages.h"

#include "gfx/cp1251.h"

namespace {

// Fills "%s" and "%d" in order; the arguments are taken as they are, never as a format.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string text;
  auto next = args.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && (pattern[i + 1] == 's' || pattern[i + 1] == 'd') &&
        next != args.end()) {
      text += *next++;
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

std::string Number(int value) { return std::to_string(value); }

}  // namespace

std::string StartMessage() {
  return Cp1251("Чтобы начать игру\r\nВведите игроков &1Меню\r\nи нажмите &1Начать");
}

std::string TurnMessage(std::string_view name, int turnScore) {
  return Fill(Cp1251("Ход принадлежит\r\n&1%s&0\r\nНабрано &2%d&0 очков"), {name, Number(turnScore)});
}

std::string ThrowScoredMessage(int points, int turnScore) {
  return Fill(Cp1251("Выпало &1%d&0 очков.\r\nВсего &2%d&0 очков.\r\n"), {Number(points), Number(turnScore)});
}

std::string OvershootMessage(int points, int turnScore) {
  return Fill(Cp1251("Выпало &1%d&0 очков.\r\nВсего &2%d&0 очков.\r\n&2Точка! Переход хода..."),
              {Number(points), Number(turnScore)});
}

std::string ScorelessMessage() {
  return Fill(Cp1251("Выпало &1%d&0 очков.\r\nВсего &2%d&0 очков.\r\n&1Смена игрока!"), {"0", "0"});
}

std::string WinnerMessage(std::string_view name) {
  return Fill(Cp1251("Поздравляю игрока\r\n&1%s&0\r\nс победой!"), {name});
}

std::string LoadingGameMessage() { return Cp1251("Загрузка игры..."); }
