#include <gtest/gtest.h>

#include "base/byte_codec.h"
#include "net/message_record.h"
#include "tests/game/game_fixture.h"

namespace {

TEST(GameMessage, RecordLayout) {
  const std::string record = PackGameMessage(gmThrow, std::string("\x01\x06\0\x03", 4));
  ASSERT_EQ(record.size(), GameMessageSize);
  EXPECT_EQ(record.substr(0, 4), std::string("\x07\0\0\0", 4));
  EXPECT_EQ(record[4], 4);
  EXPECT_EQ(record.substr(5, 4), std::string("\x01\x06\0\x03", 4));
  EXPECT_EQ(record.substr(9), std::string(GameMessageSize - 9, '\0'));

  const std::optional<TGameMessage> back = UnpackGameMessage(record);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Kind, gmThrow);
  EXPECT_EQ(back->Text, std::string("\x01\x06\0\x03", 4));
  EXPECT_EQ(UnpackGameMessage(PackGameMessage(-5, ""))->Kind, -5);
}

TEST(GameMessage, ATextLongerThan128IsCut) {
  const std::string text(200, 'a');
  const std::optional<TGameMessage> back = UnpackGameMessage(PackGameMessage(gmPlayerAdded, text));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->Text, text.substr(0, GameMessageTextLimit));
}

TEST(GameMessage, BlocksOfAnotherSizeOrALengthPast128AreRefused) {
  std::string record = PackGameMessage(gmStart, "");
  EXPECT_FALSE(UnpackGameMessage(record.substr(0, GameMessageSize - 1)));
  EXPECT_FALSE(UnpackGameMessage(record + '\0'));
  EXPECT_FALSE(UnpackGameMessage(""));
  for (const int length : {129, 131, 255}) {
    record[4] = static_cast<char>(length);
    EXPECT_FALSE(UnpackGameMessage(record)) << length;
  }
}

class StateText : public ::testing::Test {
protected:
  TGameFixture Host;
  TGameFixture Joiner;
};

TEST_F(StateText, RoundTripsTheTurnAndTheTenDice) {
  Host.Start(3);
  Host.Game.SetCurrentPlayer(2);
  ASSERT_EQ(Host.Throw({1, 5, 2, 3, 4}), TThrowOutcome::Scored);
  TGameTestAccess::SetPassDelay(Host.Game, 17);
  const std::string text = Host.Game.StateToString();
  ASSERT_EQ(text.size(), TGame::StateTextSize);
  EXPECT_EQ(text[0], 2);
  EXPECT_EQ(text.substr(1, 4), std::string("\x0F\0\0\0", 4));  // 15 points

  Joiner.Start(3);
  TGameTestAccess::ThrowDie(Joiner.Game, 0).Moving = true;
  ASSERT_TRUE(Joiner.Game.StateFromString(text));
  EXPECT_EQ(Joiner.Game.CurrentPlayerIndex(), 2);
  EXPECT_EQ(Joiner.Game.TurnScore(), 15);
  EXPECT_EQ(Joiner.Game.PassDelay(), 17);
  EXPECT_FALSE(Joiner.Game.ThrowPending());
  EXPECT_FALSE(Joiner.Game.GameOver());
  for (int i = 0; i < TGame::DiceCount; ++i) {
    EXPECT_EQ(Joiner.Game.RowDice()[i].Face, Host.Game.RowDice()[i].Face) << i;
    EXPECT_EQ(Joiner.Game.RowDice()[i].Kept, Host.Game.RowDice()[i].Kept) << i;
    EXPECT_EQ(Joiner.Game.RowDice()[i].Shown, Host.Game.RowDice()[i].Shown) << i;
    EXPECT_EQ(Joiner.Game.ThrowDice()[i].Face, Host.Game.ThrowDice()[i].Face) << i;
    EXPECT_FALSE(Joiner.Game.ThrowDice()[i].Moving) << i;
  }
  EXPECT_EQ(Joiner.Game.StateToString(), text);
}

// A joiner that arrives while the host's dice roll scores that throw itself, with the dice
// the row left free.
TEST_F(StateText, APendingThrowIsScoredByTheJoinerLikeByTheHost) {
  Host.Start(2);
  ASSERT_EQ(Host.Throw({1, 2, 3, 4, 6}), TThrowOutcome::Scored);
  Host.Game.StartThrowWith({5, 5, 5, 2});
  const std::string text = Host.Game.StateToString();
  Host.RollToRest();
  ASSERT_EQ(Host.Game.ThrowSettled(), TThrowOutcome::Scored);

  Joiner.Start(2);
  ASSERT_TRUE(Joiner.Game.StateFromString(text));
  EXPECT_EQ(Joiner.Game.ThrowCount(), 4);
  EXPECT_EQ(Joiner.Game.ThrowSettled(), TThrowOutcome::Scored);
  EXPECT_EQ(Joiner.Game.TurnScore(), Host.Game.TurnScore());
  EXPECT_EQ(Joiner.Game.StateToString(), Host.Game.StateToString());
}

TEST_F(StateText, ACurrentPlayerBeyondTheListBecomesTheFirstOrNone) {
  Host.Game.SetCurrentPlayer(0);
  std::string text = Host.Game.StateToString();  // no players: -1 travels as 255
  EXPECT_EQ(static_cast<std::uint8_t>(text[0]), 255);
  ASSERT_TRUE(Joiner.Game.StateFromString(text));
  EXPECT_EQ(Joiner.Game.CurrentPlayerIndex(), -1);
  Joiner.Start(2);
  for (const int code : {2, 3, 255}) {
    text[0] = static_cast<char>(code);
    ASSERT_TRUE(Joiner.Game.StateFromString(text));
    EXPECT_EQ(Joiner.Game.CurrentPlayerIndex(), 0) << code;
  }
}

TEST_F(StateText, TextsTooShortOrWithImpossibleFacesChangeNothing) {
  Host.Start(2);
  const std::string good = Host.Game.StateToString();
  Joiner.Start(2);
  TGameTestAccess::SetTurnScore(Joiner.Game, 99);
  std::vector<std::string> bad{good.substr(0, TGame::StateTextSize - 1), ""};
  for (const std::size_t face : {7u, 22u, 34u}) {
    for (const char code : {'\0', '\x07', '1'}) {
      bad.push_back(good);
      bad.back()[face] = code;
    }
  }
  for (const std::string& text : bad) {
    EXPECT_FALSE(Joiner.Game.StateFromString(text));
    EXPECT_EQ(Joiner.Game.TurnScore(), 99);
  }
}

// A turn score no turn can hold would overflow the sums once the turn is recorded.
TEST_F(StateText, TheTurnScoreIsBroughtIntoRange) {
  Host.Start(2);
  Joiner.Start(2);
  for (const auto& [sent, taken] : {std::pair{INT32_MAX, TGame::NoTurnLimit}, std::pair{INT32_MIN, 0}, std::pair{-5, 0},
                                    std::pair{350, 350}}) {
    std::string text = Host.Game.StateToString();
    text.replace(1, 4, IntToBin4(sent));
    ASSERT_TRUE(Joiner.Game.StateFromString(text));
    EXPECT_EQ(Joiner.Game.TurnScore(), taken);
    Joiner.Game.RecordTurn();
  }
}

}  // namespace
