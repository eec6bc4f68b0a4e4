#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "dice/zarnik.h"
#include "game/options.h"
#include "game/players.h"
#include "game/saved_game.h"
#include "game/table_buttons.h"

struct TStrongPosition;

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

  // Whether this machine may change the rules now: always in a local game, in a network game
  // only on the host between games.
  bool RulesEditable() const { return !FNetGame || (FNetHost && FGameOver); }

  const TGameOptions& Options() const { return FOptions; }
  const TPlayers& Players() const { return FPlayers; }
  // A player to change in place: who plays it moves between machines and the computer in a
  // network game (net/machine_seats.cpp). An index outside the list throws std::out_of_range.
  TPlayer& PlayerAt(int index) { return FPlayers.Player(index); }
  // -1 with no players.
  int CurrentPlayerIndex() const { return FCurrentPlayer; }
  int TurnScore() const { return FTurnScore; }
  const std::array<TZarnik, DiceCount>& ThrowDice() const { return FThrowDice; }
  const std::array<TZarnik, DiceCount>& RowDice() const { return FRowDice; }
  int ThrowCount() const { return FThrowCount; }
  bool ThrowPending() const { return FThrowPending; }
  bool GameOver() const { return FGameOver; }
  std::uint8_t PassDelay() const { return FPassDelay; }
  const std::string& Message() const { return FMessage; }
  int MessagePhase() const { return FMessagePhase; }
  bool NetGame() const { return FNetGame; }
  bool NetHost() const { return FNetHost; }
  // The host's session member, where requests go (0 until known).
  std::uint32_t ServerId() const { return FServerId; }
  const TRuleTally& Tally() const { return FTally; }

  // The rules as given: the editor's controls and the rules lab keep them in range.
  void SetOptions(const TGameOptions& options) { FOptions = options; }

  // Both adds refuse a player past TPlayers::MaxPlayers and then answer -1. A new player
  // starts with a fresh score; a loaded one, read from a saved game or a network message,
  // keeps its score and counters.
  int AddPlayer(TPlayer player) { return FPlayers.Add(std::move(player)); }
  int AddLoadedPlayer(const TPlayer& player) { return FPlayers.AddLoaded(player); }
  // Ends any game and deletes every player: a machine that joins a network game takes the
  // host's (game_turn.cpp).
  void ClearPlayers();
  // One tick of the score animation. It runs even unwatched: a barrel's fall sets the total
  // from the score shown.
  void AnimateScores(int ticks = 1) { FPlayers.AnimateScores(ticks); }

  // The network role is learnt from the session's first member, so hosting and joining
  // forget the old one first; a network game, once started, lasts until the program ends.
  void ForgetNetRole() {
    FNetHost = false;
    FServerId = 0;
  }
  void BecomeNetHost() { FNetHost = true; }
  void SetServerId(std::uint32_t id) { FServerId = id; }
  void StartNetGame() { FNetGame = true; }
  // The host is gone: the game goes on here as a local one, the other machines' players
  // played by the computer at its first level (game_turn.cpp).
  void ContinueLocally();

  // The row dice lent to the loading window, which tumbles them in its preview and poses them
  // for the die sprites before any game starts.
  std::array<TZarnik, DiceCount>& RowDiceForLoading() { return FRowDice; }

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
  bool DiceMoving() const {
    for (int i = 0; i < DiceInThrow(); ++i) {
      if (FThrowDice[i].Moving) return true;
    }
    return false;
  }
  void StepDice();
  // Brings the rolling dice to rest without stepping their motion, making the draws the
  // steps would make in the same order. Returns how many steps the motion would have taken.
  int SettleDiceAtOnce();
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
  // A running pause before the turn passes ends on the next tick.
  void CutPassDelay();
  int MinTurnScore() const;
  int MaxTurnScore() const;
  // Deletes a player; the turn stays with whoever then stands at the current index, and a
  // game left without players ends without a winner.
  void DeletePlayer(int index);
  // The player whose turn it is, or nullptr when the index names nobody.
  TPlayer* CurrentPlayer() { return const_cast<TPlayer*>(std::as_const(*this).CurrentPlayer()); }
  const TPlayer* CurrentPlayer() const {
    if (FCurrentPlayer < 0 || FCurrentPlayer >= FPlayers.Count()) return nullptr;
    return &FPlayers.Player(FCurrentPlayer);
  }

  // The table buttons (game_buttons.cpp). The view reads them; a press, the tick of the pressed
  // looks and the click that ends a press go through these operations only.
  const TTableButtons& Buttons() const { return FButtons; }
  void PressButton(TTableButtons::TIndex index) { PressTableButton(FButtons[index]); }
  // True when at least one pressed look ended in this tick.
  bool TickButtons() { return FButtons.Tick(); }
  // True once after the button's press has run out.
  bool TakeClick(TTableButtons::TIndex index) { return FButtons[index].Clicked(); }
  void UpdateButtons();
  void DisableTurnButtons();

  // The message panel (message_panel.cpp).
  void SetMessage(std::string text);
  void TickMessagePanel();
  // The rules lab's games: nobody reads the panel nor watches the row dice turn, so their
  // texts and turns are left out; the rules, the faces and every draw stay the same.
  void SetUnwatched(bool unwatched) { FUnwatched = unwatched; }

  // The rules lab's idle ticks (idle_ticks.cpp): how many ticks ahead of an unwatched game
  // none of its counters ends (the pause before the turn passes, the pressed looks) and no
  // landing waits to be told (QuietForever when nothing runs down; 0 in a watched game, whose
  // panel and row dice move every tick); and as many of them as that run at once, the score
  // animation with them. The rolling dice and the computer's press are the loop's to weigh.
  int QuietTicks() const;
  void SkipQuietTicks(int ticks);

  // The computer player's choice: throw again (true) or record (false) (computer_player.cpp).
  // Draws at most one random number and changes nothing else.
  bool ComputerWantsThrow() const;
  // What level 2 weighs: the current player's state, the others' totals, the turn.
  TStrongPosition StrongPosition() const;
  // Builds level 2's model of these rules now, when a game starts or is loaded, so no tick of
  // play waits for it.
  void PrepareComputerPlayers() const;

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
  // The saved-game file of the game as it stands; nothing when it cannot be encoded.
  std::optional<std::string> SavedGameBytes() const;
  bool LoadGame(const std::string& fileName);
  // LoadGame with the reason of a refusal.
  TSavedGameError LoadGameWithReason(const std::string& fileName);

private:
  // Tests set a mid-turn state through it (tests/game/game_test_access.h).
  friend struct TGameTestAccess;

  TGameOptions FOptions;
  TPlayers FPlayers;
  int FCurrentPlayer = 0;  // -1 with no players
  int FTurnScore = 0;
  std::array<TZarnik, DiceCount> FThrowDice;
  std::array<TZarnik, DiceCount> FRowDice;
  int FThrowCount = 0;
  bool FThrowPending = false;
  bool FGameOver = true;
  std::uint8_t FPassDelay = 0;
  std::string FMessage;
  int FMessagePhase = 0;
  TTableButtons FButtons;
  bool FNetGame = false;
  bool FNetHost = false;
  std::uint32_t FServerId = 0;
  TRuleTally FTally;
  bool FUnwatched = false;

  // FThrowCount brought into 0..5, so that a count set from outside never reaches past the dice.
  int DiceInThrow() const { return std::clamp(FThrowCount, 0, DiceCount); }
  bool InHole(int total) const;
  bool OnScoreBarrel(int total) const;
  // A total equal to DUMPTRUCKSCORE falls to 0.
  void ApplyDumpTruck(TPlayer& player);
  void Win(TPlayer& player);
  // Sets the panel's text, unless nobody reads it.
  template <typename TMakeText>
  void Tell(TMakeText makeText) {
    if (!FUnwatched) SetMessage(makeText());
  }
  // Applies a parsed saved game; the caller has checked it whole.
  void ApplySavedGame(const TSavedGame& saved);
};
