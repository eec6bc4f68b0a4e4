#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "dice/zarnik.h"
#include "game/options.h"
#include "game/players.h"
#include "game/saved_game.h"
#include "game/table_buttons.h"

// What the turn rules made of a throw that came to rest.
enum class TThrowOutcome {
  Scored,     // the turn goes on: throw again or record
  Overshoot,  // the turn went past MaxTurnScore: its points are lost, the turn passes
  Zero,       // nothing scored: the turn is lost, the turn passes
  NoTurn,     // no game or no player (all were deleted): the throw counts for nobody
};

// How often the score rules struck since the game started; read by the rules lab.
struct TRuleTally {
  int BoltPenalties = 0;
  int BarrelFalls = 0;  // wipes included
  int ScoreWipes = 0;
  int DumpTrucks = 0;
  int Overtakes = 0;
};

// The game controller without graphics: rules, players, the ten dice, the four table buttons
// and the message panel. The window holds the sprites and drives it on the tick.
class TGame {
public:
  static constexpr int DiceCount = 5;
  static constexpr std::uint8_t PassDelayTicks = 55;
  // The turn score that stands for "no upper limit" outside the open barrel.
  static constexpr int NoTurnLimit = 10000;

  TGame();
  TGame(const TGame&) = delete;
  TGame& operator=(const TGame&) = delete;

  TGameOptions Options;
  TPlayers FPlayers;
  int FCurrentPlayer = 0;  // -1 with no players
  int FTurnScore = 0;
  std::array<TZarnik, DiceCount> ThrowDice;
  std::array<TZarnik, DiceCount> RowDice;
  int FThrowCount = 0;
  bool FThrowPending = false;
  bool FGameOver = true;
  std::uint8_t FPassDelay = 0;
  std::string FMessage;
  int FMessagePhase = 0;
  TTableButtons FButtons;
  bool FNetGame = false;
  bool FNetHost = false;
  // The host's session member, where requests go (0 until known).
  std::uint32_t FServerId = 0;
  TRuleTally Tally;

  // Whether this machine may change the rules now: always in a local game, in a network game
  // only on the host between games.
  bool RulesEditable() const { return !FNetGame || (FNetHost && FGameOver); }

  // Rule-set files and the packed rules (game_options.cpp).
  bool LoadOptions(const std::string& fileName);
  bool SaveOptions(const std::string& fileName) const;
  std::string OptionsToString() const;
  // The packed rules brought into the ranges of a rule-set file.
  void OptionsFromString(std::string_view packed);

  // The dice (game_dice.cpp).
  void ResetDice(bool randomFaces);
  void StartThrow();
  // Replays a throw whose faces were drawn elsewhere (first face for throw die 0). Faces at
  // or past FThrowCount are ignored; a face outside 1..6 keeps the locally drawn one, so a
  // bad face can never leave a die rolling for ever. Returns whether every face was usable.
  bool StartThrowWith(const std::array<int, DiceCount>& faces);
  bool DiceMoving() const;
  void StepDice();
  bool TakeLandingEvent();
  void TurnRowDice();
  int SettleThrow();
  int FreeDiceCount() const;
  // Whether some row die is set aside in this turn.
  bool AnyKept() const;

  // Turn flow and score rules (game_turn.cpp, game_record.cpp).
  void StartGame();
  void SetCurrentPlayer(int index);
  TThrowOutcome ThrowSettled();
  void RecordTurn();
  void LoseTurn();
  void BarrelMiss(int index, bool countTry, bool fall);
  void FinishGame();
  bool TickPassDelay();
  int MinTurnScore() const;
  int MaxTurnScore() const;
  // Deletes a player; the turn stays with whoever then stands at the current index, and a
  // game left without players ends without a winner.
  void DeletePlayer(int index);
  // The player whose turn it is, or nullptr when the index names nobody.
  TPlayer* CurrentPlayer();
  const TPlayer* CurrentPlayer() const;

  // The table buttons (game_buttons.cpp).
  void UpdateButtons();
  void DisableTurnButtons();

  // The message panel (game_message.cpp).
  void SetMessage(std::string text);
  void TickMessagePanel();

  // The computer player's choice: throw again (true) or record (false) (computer_player.cpp).
  // Draws at most one random number and changes nothing else.
  bool ComputerWantsThrow() const;

  // The game state a joining machine receives: the current player, turn score, pass delay,
  // pending throw, the ten dice and the game-over flag (game_state_text.cpp).
  static constexpr std::size_t StateTextSize = 38;
  std::string StateToString() const;
  // Changes nothing and answers false for a text too short or with a face outside 1..6. A
  // current player beyond the list becomes the first (none with no players); the turn score
  // is brought into 0..NoTurnLimit.
  bool StateFromString(std::string_view text);

  // Saved games (saved_game.cpp).
  bool SaveGame(const std::string& fileName) const;
  bool LoadGame(const std::string& fileName);
  // LoadGame with the reason of a refusal.
  TSavedGameError LoadGameWithReason(const std::string& fileName);

private:
  // FThrowCount brought into 0..5, so that a count set from outside never reaches past the dice.
  int DiceInThrow() const;
  bool InHole(int total) const;
  bool OnScoreBarrel(int total) const;
  // A total equal to DUMPTRUCKSCORE falls to 0.
  void ApplyDumpTruck(TPlayer& player);
  void Win(TPlayer& player);
  // Applies a parsed saved game; the caller has checked it whole.
  void ApplySavedGame(const TSavedGame& saved);
};
