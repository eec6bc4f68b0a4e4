#include "game/message_texts.h"

#include "base/cp1251.h"

namespace {

// Fills "%s" and "%d" in order; the arguments are taken as they are, never as a format.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string text;
  text.reserve(pattern.size() + 16);
  auto next = args.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const bool placeholder = pattern[i] == '%' && i + 1 < pattern.size() &&
                             (pattern[i + 1] == 's' || pattern[i + 1] == 'd') && next != args.end();
    if (placeholder) {
      text += *next++;
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

std::string Number(int value) { return std::to_string(value); }

// The templates in the game's code page, converted once: a message is set on every throw.
const std::string TurnTemplate = Cp1251("Ход принадлежит\r\n&1%s&0\r\nНабрано &2%d&0 очков");
const std::string ScoredTemplate = Cp1251("Выпало &1%d&0 очков.\r\nВсего &2%d&0 очков.\r\n");
const std::string OvershootTemplate = ScoredTemplate + Cp1251("&2Точка! Переход хода...");
const std::string ScorelessTemplate = ScoredTemplate + Cp1251("&1Смена игрока!");
const std::string WinnerTemplate = Cp1251("Поздравляю игрока\r\n&1%s&0\r\nс победой!");

}  // namespace

std::string StartMessage() {
  return Cp1251("Чтобы начать игру\r\nВведите игроков &1Меню\r\nи нажмите &1Начать");
}

std::string TurnMessage(std::string_view name, int turnScore) { return Fill(TurnTemplate, {name, Number(turnScore)}); }

std::string ThrowScoredMessage(int points, int turnScore) {
  return Fill(ScoredTemplate, {Number(points), Number(turnScore)});
}

std::string OvershootMessage(int points, int turnScore) {
  return Fill(OvershootTemplate, {Number(points), Number(turnScore)});
}

std::string ScorelessMessage() { return Fill(ScorelessTemplate, {"0", "0"}); }

std::string WinnerMessage(std::string_view name) { return Fill(WinnerTemplate, {name}); }

std::string RestoredGameMessage(std::string_view name) {
  return Fill(Cp1251("Игра восстановлена\r\nХод принадлежит\r\n&1%s&0"), {name});
}

std::string LoadingGameMessage() { return Cp1251("Загрузка игры..."); }

std::string StandInMessage(std::string_view name) {
  return Fill(Cp1251("Игрок &1%s&0\r\nотключился: за него\r\nиграет компьютер"), {name});
}

std::string ReturnedMessage(std::string_view name) { return Fill(Cp1251("Игрок &1%s&0\r\nвернулся в игру"), {name}); }
