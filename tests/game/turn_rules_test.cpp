#include <gtest/gtest.h>

#include "game/message_texts.h"
#include "tests/game/game_fixture.h"

namespace {

// Faces worth a known number of points when all five dice are thrown.
constexpr std::array<int, 5> Nothing{2, 3, 4, 6, 6};
constexpr std::array<int, 5> Five{5, 2, 3, 4, 6};
constexpr std::array<int, 5> SetOfOnes{1, 1, 1, 2, 3};  // 100

TButtonState State(TGame& game, TTableButtons::TIndex index) { return game.Buttons()[index].State(); }

TEST(TurnRules, MinAndMaxTurnScoreFollowTheRules) {
  struct TCase {
    const char* Name;
    int Total;
    bool Entered;
    void (*Rules)(TGameOptions&);
    int Min;
    int Max;
  };
  const TCase cases[] = {
      {"not entered", 0, false, [](TGameOptions&) {}, 50, 10000},
      {"no entry rule", 0, false, [](TGameOptions& o) { o.NEEDENTERGAME = false; }, 0, 10000},
      {"first hole", 210, true, [](TGameOptions&) {}, 90, 10000},
      {"first hole switched off", 210, true, [](TGameOptions& o) { o.ISHOLE1 = false; }, 0, 10000},
      {"just above the first hole", 300, true, [](TGameOptions&) {}, 0, 10000},
      {"second hole", 650, true, [](TGameOptions&) {}, 50, 10000},
      {"score barrel", 880, true, [](TGameOptions&) {}, 125, 10000},
      {"score barrel, 1000 is enough", 880, true, [](TGameOptions& o) { o.ISMORE1000 = false; }, 120, 10000},
      {"open barrel", 900, true, [](TGameOptions& o) { o.BARRELSTYPE = 2; }, 0, 100},
      {"no barrel", 900, true, [](TGameOptions& o) { o.BARRELSTYPE = 0; }, 0, 10000},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TGameFixture f;
    f.Start(2);
    EditRules(f.Game, c.Rules);
    f.SetTotal(0, c.Total, c.Entered);
    EXPECT_EQ(f.Game.MinTurnScore(), c.Min);
    EXPECT_EQ(f.Game.MaxTurnScore(), c.Max);
  }
}

TEST(TurnRules, RecordIsAllowedOnlyFromTheLeastTurnScoreWithADieSetAside) {
  struct TCase {
    const char* Name;
    int Total;
    bool Entered;
    int Turn;
    bool AnyKept;
    bool NeedAllDice;
    TButtonState Record;
  };
  const TCase cases[] = {
      {"entry not reached", 0, false, 40, true, true, TButtonState::Disabled},
      {"entry reached", 0, false, 50, true, true, TButtonState::Normal},
      {"hole needs 90", 210, true, 85, true, true, TButtonState::Disabled},
      {"hole left", 210, true, 90, true, true, TButtonState::Normal},
      {"nothing gathered", 100, true, 0, true, true, TButtonState::Disabled},
      {"all five scored, rule on", 100, true, 200, false, true, TButtonState::Disabled},
      {"all five scored, rule off", 100, true, 200, false, false, TButtonState::Normal},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TGameFixture f;
    f.Start(2);
    SetRule(f.Game, &TGameOptions::NEEDDICEFORALLZARNIKS, c.NeedAllDice);
    f.SetTotal(0, c.Total, c.Entered);
    TGameTestAccess::SetTurnScore(f.Game, c.Turn);
    TGameTestAccess::RowDie(f.Game, 0).Kept = c.AnyKept;
    f.Game.UpdateButtons();
    EXPECT_EQ(State(f.Game, TTableButtons::Cancel), c.Record);
    EXPECT_EQ(State(f.Game, TTableButtons::Do), TButtonState::Normal);
    EXPECT_EQ(State(f.Game, TTableButtons::Start), TButtonState::Disabled);
  }
}

TEST(TurnRules, AfterAllFiveDiceScoredTheTurnMustGoOnBeforeRecording) {
  TGameFixture f;
  f.Start(2);
  f.SetTotal(0, 100);
  EXPECT_EQ(f.Throw({1, 1, 1, 1, 1}), TThrowOutcome::Scored);
  EXPECT_EQ(f.Game.TurnScore(), 1000);
  EXPECT_EQ(f.Game.FreeDiceCount(), 5);
  EXPECT_EQ(State(f.Game, TTableButtons::Cancel), TButtonState::Disabled);
  EXPECT_EQ(f.Throw(Five), TThrowOutcome::Scored);
  EXPECT_EQ(State(f.Game, TTableButtons::Cancel), TButtonState::Normal);
}

TEST(TurnRules, StartingAGameResetsEveryoneAndGivesTheFirstPlayerTheTurn) {
  TGameFixture f;
  f.Start(3);
  f.SetTotal(1, 400);
  f.Player(1).FBolts = 2;
  f.Game.SetCurrentPlayer(2);
  f.Game.StartGame();
  EXPECT_FALSE(f.Game.GameOver());
  EXPECT_EQ(f.Game.CurrentPlayerIndex(), 0);
  EXPECT_EQ(f.Player(1).Total(), 0);
  EXPECT_EQ(f.Player(1).FBolts, 0);
  EXPECT_EQ(f.Game.Message(), TurnMessage(f.Player(0).FName, 0));
  EXPECT_EQ(State(f.Game, TTableButtons::Start), TButtonState::Disabled);
  EXPECT_EQ(State(f.Game, TTableButtons::Do), TButtonState::Normal);
  EXPECT_EQ(State(f.Game, TTableButtons::Cancel), TButtonState::Disabled);
}

TEST(TurnRules, SetCurrentPlayerWrapsAndResetsTheTurn) {
  TGameFixture f;
  f.Start(3);
  TGameTestAccess::SetTurnScore(f.Game, 70);
  TGameTestAccess::RowDie(f.Game, 0).Kept = true;
  f.Game.SetCurrentPlayer(3);
  EXPECT_EQ(f.Game.CurrentPlayerIndex(), 0);
  EXPECT_EQ(f.Game.TurnScore(), 0);
  EXPECT_EQ(f.Game.FreeDiceCount(), 5);
  f.Game.SetCurrentPlayer(-5);
  EXPECT_EQ(f.Game.CurrentPlayerIndex(), 0);
  f.Game.ClearPlayers();
  f.Game.SetCurrentPlayer(0);
  EXPECT_EQ(f.Game.CurrentPlayerIndex(), -1);
  EXPECT_EQ(State(f.Game, TTableButtons::Start), TButtonState::Disabled);
  EXPECT_EQ(State(f.Game, TTableButtons::Do), TButtonState::Disabled);
}

TEST(TurnRules, ThrowsAddUpAndAScorelessThrowLosesTheTurnAfterThePause) {
  TGameFixture f;
  f.Start(2);
  EXPECT_EQ(f.Throw(SetOfOnes), TThrowOutcome::Scored);
  EXPECT_EQ(f.Game.Message(), ThrowScoredMessage(100, 100));
  EXPECT_EQ(f.Throw({5, 4, 0, 0, 0}), TThrowOutcome::Scored);
  EXPECT_EQ(f.Game.TurnScore(), 105);
  EXPECT_EQ(f.Throw({2, 0, 0, 0, 0}), TThrowOutcome::Zero);
  EXPECT_EQ(f.Game.TurnScore(), 0);
  EXPECT_EQ(f.Game.Message(), ScorelessMessage());
  EXPECT_EQ(State(f.Game, TTableButtons::Do), TButtonState::Disabled);
  for (int tick = 1; tick < TGame::PassDelayTicks; ++tick) ASSERT_FALSE(f.Game.TickPassDelay()) << tick;
  EXPECT_EQ(f.Game.CurrentPlayerIndex(), 0);
  EXPECT_TRUE(f.Game.TickPassDelay());
  EXPECT_EQ(f.Game.CurrentPlayerIndex(), 1);
  EXPECT_EQ(f.Player(0).Total(), 0);
  EXPECT_EQ(f.Game.Message(), TurnMessage(f.Player(1).FName, 0));
  EXPECT_FALSE(f.Game.TickPassDelay());
}

TEST(TurnRules, RecordingEntersAndAppliesTheDumpTruck) {
  TGameFixture f;
  f.Start(2);
  f.SetTotal(0, 0, false);
  TGameTestAccess::SetTurnScore(f.Game, 60);
  f.Game.RecordTurn();
  EXPECT_TRUE(f.Player(0).FEntered);
  EXPECT_EQ(f.Player(0).Total(), 60);
  EXPECT_EQ(f.Player(0).FScore, 0);  // shown by the score animation

  f.SetTotal(0, 480);
  TGameTestAccess::SetTurnScore(f.Game, 75);
  f.Game.RecordTurn();
  EXPECT_EQ(f.Player(0).Total(), 0);
  EXPECT_EQ(f.Game.Tally().DumpTrucks, 1);
}

TEST(TurnRules, OvertakingCostsThePlayersPassedStrictly) {
  TGameFixture f;
  f.Start(5);
  f.SetTotal(0, 300);
  f.SetTotal(1, 320);   // passed: 270
  f.SetTotal(2, 375);   // equal to the new total: not passed
  f.SetTotal(3, 300);   // equal to the old total: not passed
  f.SetTotal(4, 340);
  SetRule(f.Game, &TGameOptions::DUMPTRUCKSCORE, 290);  // the player at 340 falls onto it: 0
  TGameTestAccess::SetTurnScore(f.Game, 75);
  f.Game.RecordTurn();
  EXPECT_EQ(f.Player(0).Total(), 375);
  EXPECT_EQ(f.Player(1).Total(), 270);
  EXPECT_EQ(f.Player(2).Total(), 375);
  EXPECT_EQ(f.Player(3).Total(), 300);
  EXPECT_EQ(f.Player(4).Total(), 0);
  EXPECT_EQ(f.Game.Tally().Overtakes, 2);
}

TEST(TurnRules, APlayerOnTheScoreBarrelIsNotOvertaken) {
  TGameFixture f;
  f.Start(2);
  f.SetTotal(0, 850);
  f.SetTotal(1, 880);
  f.Player(1).FBarrelTries = 1;
  SetRule(f.Game, &TGameOptions::ISONLYONEONBARREL, false);
  TGameTestAccess::SetTurnScore(f.Game, 100);
  f.Game.RecordTurn();
  EXPECT_EQ(f.Player(1).Total(), 880);
  EXPECT_EQ(f.Player(0).Total(), 880);
}

TEST(TurnRules, TheScoreBarrelSeatsThenWinsWithTheRestOfTheWay) {
  TGameFixture f;
  f.Start(2);
  f.SetTotal(0, 850);
  TGameTestAccess::SetTurnScore(f.Game, 100);
  f.Game.RecordTurn();
  EXPECT_EQ(f.Player(0).Total(), 880);
  EXPECT_EQ(f.Player(0).FBarrelTries, 1);
  EXPECT_FALSE(f.Game.GameOver());

  f.Game.SetCurrentPlayer(0);
  EXPECT_EQ(f.Game.MinTurnScore(), 125);
  TGameTestAccess::SetTurnScore(f.Game, 125);
  f.Game.RecordTurn();
  EXPECT_TRUE(f.Game.GameOver());
  EXPECT_EQ(f.Player(0).FScore, 1000);
  EXPECT_EQ(f.Player(0).FScoreDelta, 0);
  EXPECT_EQ(f.Game.Message(), WinnerMessage(f.Player(0).FName));
  EXPECT_EQ(State(f.Game, TTableButtons::Start), TButtonState::Normal);
  EXPECT_EQ(State(f.Game, TTableButtons::Do), TButtonState::Disabled);
  EXPECT_EQ(State(f.Game, TTableButtons::Menu), TButtonState::Normal);
  // A record press that runs out after the win changes nothing.
  f.Game.RecordTurn();
  EXPECT_EQ(f.Player(0).Total(), 1000);
  EXPECT_EQ(f.Player(0).FBarrelTries, 1);
}

TEST(TurnRules, ThreeScorelessTurnsOnTheBarrelAreAFallAndTheThirdFallWipes) {
  TGameFixture f;
  f.Start(2);
  f.SetTotal(0, 880);
  f.Player(0).FBarrelTries = 1;
  for (int turn = 1; turn <= 3; ++turn) {
    f.Game.SetCurrentPlayer(0);
    ASSERT_EQ(f.Throw(Nothing), TThrowOutcome::Zero);
  }
  EXPECT_EQ(f.Player(0).Total(), 780);
  EXPECT_EQ(f.Player(0).FBarrelFalls, 1);
  EXPECT_EQ(f.Player(0).FBarrelTries, 0);
  EXPECT_EQ(f.Player(0).FBolts, 0);  // no bolts on the barrel by default

  f.SetTotal(0, 880);
  f.Player(0).FBarrelFalls = 2;
  f.Player(0).FBarrelTries = 3;
  f.Game.SetCurrentPlayer(0);
  f.Throw(Nothing);
  EXPECT_EQ(f.Player(0).Total(), 0);
  EXPECT_EQ(f.Player(0).FBarrelFalls, 0);
  EXPECT_EQ(f.Game.Tally().BarrelFalls, 2);
  EXPECT_EQ(f.Game.Tally().ScoreWipes, 1);
}

TEST(TurnRules, ANewcomerKnocksTheOtherOffTheBarrelOnlyWhenOneSeatIsTheRule) {
  for (const bool onlyOne : {true, false}) {
    SCOPED_TRACE(onlyOne);
    TGameFixture f;
    f.Start(2);
    SetRule(f.Game, &TGameOptions::ISONLYONEONBARREL, onlyOne);
    f.SetTotal(0, 880);
    f.Player(0).FBarrelTries = 2;
    f.SetTotal(1, 800);
    f.Game.SetCurrentPlayer(1);
    TGameTestAccess::SetTurnScore(f.Game, 150);
    f.Game.RecordTurn();
    EXPECT_EQ(f.Player(1).Total(), 880);
    EXPECT_EQ(f.Player(1).FBarrelTries, 1);
    EXPECT_EQ(f.Player(0).Total(), onlyOne ? 780 : 880);
    EXPECT_EQ(f.Player(0).FBarrelFalls, onlyOne ? 1 : 0);
    EXPECT_EQ(f.Player(0).FBarrelTries, onlyOne ? 0 : 2);
  }
}

TEST(TurnRules, TheOpenBarrelLosesOvershootsAndTheThirdIsAFall) {
  for (const bool limit : {true, false}) {
    SCOPED_TRACE(limit);
    TGameFixture f;
    f.Start(2);
    SetRule(f.Game, &TGameOptions::BARRELSTYPE, 2);
    SetRule(f.Game, &TGameOptions::OPENBARRELLIMIT, limit);
    f.SetTotal(0, 900);
    for (int overshoot = 1; overshoot <= 3; ++overshoot) {
      f.Game.SetCurrentPlayer(0);
      ASSERT_EQ(f.Throw(SetOfOnes), TThrowOutcome::Scored);
      ASSERT_EQ(f.Throw({5, 3, 0, 0, 0}), TThrowOutcome::Overshoot);
      EXPECT_EQ(f.Game.Message(), OvershootMessage(5, 105));
      EXPECT_EQ(f.Game.PassDelay(), TGame::PassDelayTicks);
      EXPECT_EQ(State(f.Game, TTableButtons::Do), TButtonState::Disabled);
      EXPECT_EQ(State(f.Game, TTableButtons::Cancel), TButtonState::Disabled);
      if (overshoot < 3) {
        EXPECT_EQ(f.Player(0).Total(), 900);
      }
    }
    EXPECT_EQ(f.Player(0).Total(), limit ? 800 : 900);
    EXPECT_EQ(f.Player(0).FBarrelFalls, limit ? 1 : 0);
  }
}

TEST(TurnRules, WinningNeedsTheGoalTheRulesAskFor) {
  struct TCase {
    const char* Name;
    int Barrel;
    bool More1000;
    int Turn;  // from 900
    bool Wins;
  };
  const TCase cases[] = {
      {"no barrel, 1000 enough", 0, false, 100, true},
      {"no barrel, 1000 not enough", 0, true, 100, false},
      {"no barrel, 1005 with more needed", 0, true, 105, true},
      {"open barrel exactly", 2, true, 100, true},
      {"open barrel short", 2, true, 95, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TGameFixture f;
    f.Start(2);
    SetRule(f.Game, &TGameOptions::BARRELSTYPE, static_cast<std::uint8_t>(c.Barrel));
    SetRule(f.Game, &TGameOptions::ISMORE1000, c.More1000);
    f.SetTotal(0, 900);
    TGameTestAccess::SetTurnScore(f.Game, c.Turn);
    f.Game.RecordTurn();
    EXPECT_EQ(f.Game.GameOver(), c.Wins);
    EXPECT_EQ(f.Player(0).FScore, c.Wins ? 1000 : 900);
    EXPECT_EQ(f.Player(0).Total(), c.Wins ? 1000 : 900 + c.Turn);
  }
}

TEST(TurnRules, BoltsFollowTheirRules) {
  struct TCase {
    const char* Name;
    int Total;
    bool Entered;
    void (*Rules)(TGameOptions&);
    int BoltsAfterOne;
  };
  const TCase cases[] = {
      {"entered", 100, true, [](TGameOptions&) {}, 1},
      {"counted off", 100, true, [](TGameOptions& o) { o.IS_BOLTS = false; }, 0},
      {"not entered", 0, false, [](TGameOptions&) {}, 0},
      {"not entered, counted", 0, false, [](TGameOptions& o) { o.ISBOLTSBEFOREENTER = true; }, 1},
      {"in a hole", 250, true, [](TGameOptions&) {}, 0},
      {"in a hole, counted", 250, true, [](TGameOptions& o) { o.ISBOLTSINHOLES = true; }, 1},
      {"in the second hole", 610, true, [](TGameOptions&) {}, 0},
      {"on the barrel", 880, true, [](TGameOptions&) {}, 0},
      {"on the barrel, counted", 880, true, [](TGameOptions& o) { o.ISBOLTSONBARREL = true; }, 1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TGameFixture f;
    f.Start(2);
    EditRules(f.Game, c.Rules);
    f.SetTotal(0, c.Total, c.Entered);
    f.Throw(Nothing);
    EXPECT_EQ(f.Player(0).FBolts, c.BoltsAfterOne);
  }
}

TEST(TurnRules, TheThirdBoltCostsItsPointsAndMayHitTheDumpTruck) {
  struct TCase {
    int Total;
    int After;
  };
  for (const TCase c : {TCase{400, 300}, TCase{655, 0}, TCase{50, -50}}) {
    TGameFixture f;
    f.Start(2);
    f.SetTotal(0, c.Total);
    SetRule(f.Game, &TGameOptions::ISBOLTSINHOLES, true);
    for (int turn = 0; turn < 3; ++turn) {
      f.Game.SetCurrentPlayer(0);
      f.Throw(Nothing);
    }
    EXPECT_EQ(f.Player(0).Total(), c.After) << c.Total;
    EXPECT_EQ(f.Player(0).FBolts, 0);
    EXPECT_EQ(f.Game.Tally().BoltPenalties, 1);
  }
}

TEST(TurnRules, ABoltPenaltyOnTheBarrelIsReplacedByTheFall) {
  TGameFixture f;
  f.Start(2);
  SetRule(f.Game, &TGameOptions::ISBOLTSONBARREL, true);
  f.SetTotal(0, 880);
  f.Player(0).FBarrelTries = 1;
  f.Player(0).FBolts = 2;
  f.Throw(Nothing);
  EXPECT_EQ(f.Player(0).Total(), 780);
  EXPECT_EQ(f.Player(0).FBarrelFalls, 1);
  EXPECT_EQ(f.Player(0).FBarrelTries, 0);
  EXPECT_EQ(f.Player(0).FBolts, 0);
}

TEST(TurnRules, PlayersLeavingMidGameNeverLeaveATurnWithNobody) {
  // All players deleted while the dice roll: the throw counts for nobody, the game ends.
  TGameFixture f;
  f.Start(2);
  f.Game.StartThrow();
  f.Game.DeletePlayer(0);
  EXPECT_EQ(f.Game.CurrentPlayerIndex(), 0);
  f.Game.DeletePlayer(0);
  EXPECT_EQ(f.Game.CurrentPlayerIndex(), -1);
  EXPECT_TRUE(f.Game.GameOver());
  EXPECT_NE(f.Game.Message(), WinnerMessage(""));
  f.Game.StartThrow();
  f.RollToRest();
  EXPECT_EQ(f.Game.ThrowSettled(), TThrowOutcome::NoTurn);
  EXPECT_FALSE(f.Game.ThrowPending());
  EXPECT_EQ(f.Game.MinTurnScore(), 0);
  EXPECT_EQ(f.Game.MaxTurnScore(), TGame::NoTurnLimit);
  f.Game.RecordTurn();
  f.Game.LoseTurn();
  f.Game.BarrelMiss(-1, true, true);
  EXPECT_FALSE(f.Game.ComputerWantsThrow());
}

TEST(TurnRules, DeletingDuringThePauseEndsTheGameWhenItRunsOut) {
  TGameFixture f;
  f.Start(3);
  f.Game.SetCurrentPlayer(1);
  f.Throw(Nothing);
  f.Game.DeletePlayer(0);  // another player: the pause runs on
  EXPECT_EQ(f.Game.CurrentPlayerIndex(), 1);
  EXPECT_EQ(f.Game.PassDelay(), TGame::PassDelayTicks);
  TGameTestAccess::ClearPlayerList(f.Game);  // bypassing DeletePlayer is survived too
  while (f.Game.PassDelay() > 0) f.Game.TickPassDelay();
  EXPECT_EQ(f.Game.CurrentPlayerIndex(), -1);
  EXPECT_TRUE(f.Game.GameOver());
}

TEST(TurnRules, ANewGameOrLoadDuringThePauseKeepsTheTurnWithItsPlayer) {
  TGameFixture f;
  f.Start(2);
  f.Throw(Nothing);
  ASSERT_EQ(f.Game.PassDelay(), TGame::PassDelayTicks);
  f.Game.DeletePlayer(0);
  f.Game.DeletePlayer(0);
  TPlayer player;
  player.FName = "A";
  f.Game.AddPlayer(player);
  f.Game.AddPlayer(player);
  f.Game.StartGame();
  for (int tick = 0; tick < 100; ++tick) f.Game.TickPassDelay();
  EXPECT_EQ(f.Game.CurrentPlayerIndex(), 0);
}

TEST(MessagePanel, OpensClosesAndSwapsTextsOnTime) {
  TGame game;
  EXPECT_EQ(game.MessagePhase(), 0);
  EXPECT_TRUE(game.Message().empty());
  // The start message closes the empty open panel over 10 ticks and opens it over 10 more.
  game.SetMessage(StartMessage());
  int ticks = 0;
  while (game.MessagePhase() != 0 && ticks < 100) {
    game.TickMessagePanel();
    ++ticks;
  }
  EXPECT_EQ(ticks, 20);
  // Two texts in one tick: only the second ever shows.
  game.SetMessage("first");
  game.SetMessage("second");
  for (ticks = 0; game.MessagePhase() != 0; ++ticks) {
    EXPECT_EQ(game.Message(), "second");
    game.TickMessagePanel();
  }
  EXPECT_EQ(ticks, 20);
  // An empty text closes the panel and leaves it closed; a new one opens it in 10 ticks.
  game.SetMessage("");
  for (int i = 0; i < 11; ++i) game.TickMessagePanel();
  EXPECT_EQ(game.MessagePhase(), 11);
  game.TickMessagePanel();
  EXPECT_EQ(game.MessagePhase(), 11);
  game.SetMessage("again");
  for (ticks = 0; game.MessagePhase() != 0; ++ticks) game.TickMessagePanel();
  EXPECT_EQ(ticks, 10);
}

TEST(MessagePanel, TextsAreTheGamesOwnBytes) {
  EXPECT_EQ(TurnMessage(Cp1251("Игрок 1"), 0), Cp1251("Ход принадлежит\r\n&1Игрок 1&0\r\nНабрано &2""0&0 очков"));
  EXPECT_EQ(ThrowScoredMessage(100, 250), Cp1251("Выпало &1""100&0 очков.\r\nВсего &2""250&0 очков.\r\n"));
  EXPECT_EQ(OvershootMessage(5, 105),
            Cp1251("Выпало &1""5&0 очков.\r\nВсего &2""105&0 очков.\r\n&2Точка! Переход хода..."));
  EXPECT_EQ(ScorelessMessage(), Cp1251("Выпало &1""0&0 очков.\r\nВсего &2""0&0 очков.\r\n&1Смена игрока!"));
  EXPECT_EQ(WinnerMessage("%s%d"), Cp1251("Поздравляю игрока\r\n&1%s%d&0\r\nс победой!"));
  EXPECT_EQ(StartMessage(), Cp1251("Чтобы начать игру\r\nВведите игроков &1Меню\r\nи нажмите &1Начать"));
  EXPECT_EQ(LoadingGameMessage(), Cp1251("Загрузка игры..."));
}

}  // namespace
