#include "game/turn_limits.h"

bool InHoleAt(const TGameOptions& rules, int total) {
  return (rules.ISHOLE1 && rules.HOLE1SCORE1 <= total && total < rules.HOLE1SCORE2) ||
         (rules.ISHOLE2 && rules.HOLE2SCORE1 <= total && total < rules.HOLE2SCORE2);
}

bool OnScoreBarrelAt(const TGameOptions& rules, int total) { return rules.BARRELSTYPE == 1 && total >= rules.BARRELSSCORE; }

int MinTurnScoreAt(const TGameOptions& rules, int total, bool entered) {
  if (rules.NEEDENTERGAME && !entered) return rules.ENTERSCORE;
  if (rules.ISHOLE1 && rules.HOLE1SCORE1 <= total && total < rules.HOLE1SCORE2) return rules.HOLE1SCORE2 - total;
  if (rules.ISHOLE2 && rules.HOLE2SCORE1 <= total && total < rules.HOLE2SCORE2) return rules.HOLE2SCORE2 - total;
  if (OnScoreBarrelAt(rules, total)) return (rules.ISMORE1000 ? 1005 : 1000) - rules.BARRELSSCORE;
  return 0;
}

int Goal(const TGameOptions& rules) { return rules.BARRELSTYPE == 0 && rules.ISMORE1000 ? 1005 : 1000; }

std::optional<int> TurnLimitAt(const TGameOptions& rules, int total) {
  if (rules.BARRELSTYPE == 2) return 1000 - total;
  return std::nullopt;
}
