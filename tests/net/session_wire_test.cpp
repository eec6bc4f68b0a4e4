#include <gtest/gtest.h>

#include "platform/session_wire.h"

using namespace SessionWire;

namespace {

// The payload of a whole frame, after checking its header.
std::string_view Payload(const std::string& frame) {
  std::array<char, HeaderSize> header{};
  std::copy_n(frame.begin(), HeaderSize, header.begin());
  EXPECT_EQ(PayloadLength(header), frame.size() - HeaderSize);
  return std::string_view(frame).substr(HeaderSize);
}

std::string_view Body(const std::string& frame) { return Payload(frame).substr(1); }

TEST(SessionWire, FramesRoundTrip) {
  EXPECT_TRUE(ParseHello(Body(HelloFrame())));
  EXPECT_EQ(ParseSessions(Body(SessionsFrame({"FFF", ""}))), (std::vector<std::string>{"FFF", ""}));

  const std::optional<TJoinRequest> join = ParseJoin(Body(JoinFrame("FFF", "12345")));
  ASSERT_TRUE(join);
  EXPECT_EQ(join->Session, "FFF");
  EXPECT_EQ(join->Player, "12345");

  const std::optional<TJoinedReply> joined = ParseJoined(Body(JoinedFrame(7, {{1, "SERVER"}, {7, "42"}})));
  ASSERT_TRUE(joined);
  EXPECT_EQ(joined->Self, 7u);
  ASSERT_EQ(joined->Players.size(), 2u);
  EXPECT_EQ(joined->Players[1].Name, "42");

  EXPECT_EQ(ParsePlayerAdded(Body(PlayerAddedFrame({0xFFFFFFFF, "x"})))->Id, 0xFFFFFFFFu);
  EXPECT_EQ(ParsePlayerRemoved(Body(PlayerRemovedFrame(9))), 9u);

  const std::string block("\0\x01\xFF", 3);
  const std::optional<TMessageFrame> message = ParseMessage(Body(MessageFrame(0, block)));
  ASSERT_TRUE(message);
  EXPECT_EQ(message->Peer, 0u);
  EXPECT_EQ(message->Block, block);

  const std::optional<TFrame> frame = SplitPayload(Payload(MessageFrame(3, "abc")));
  ASSERT_TRUE(frame);
  EXPECT_EQ(frame->Type, TFrameType::Message);
}

// What only our machines speak rides in Message frames to peers no member ever has.
TEST(SessionWire, IdentityAndNoticeGoToReservedPeers) {
  const std::optional<TMessageFrame> identity = ParseMessage(Body(IdentityFrame(0x0102030405060708)));
  ASSERT_TRUE(identity);
  EXPECT_EQ(identity->Peer, IdentityPeer);
  EXPECT_EQ(identity->Block, std::string("\x08\x07\x06\x05\x04\x03\x02\x01", 8));
  EXPECT_EQ(ParseIdentity(identity->Block), 0x0102030405060708u);
  EXPECT_EQ(ParseIdentity(ParseMessage(Body(IdentityFrame(~0ull)))->Block), ~0ull);
  for (const std::string& bad : {std::string(8, '\0'), std::string(7, 'x'), std::string(9, 'x'), std::string()})
    EXPECT_FALSE(ParseIdentity(bad)) << bad.size();

  const std::optional<TMessageFrame> notice = ParseMessage(Body(NoticeFrame("C\x01")));
  ASSERT_TRUE(notice);
  EXPECT_EQ(notice->Peer, NoticePeer);
  EXPECT_EQ(notice->Block, "C\x01");
}

TEST(SessionWire, HeaderRefusesEmptyAndOversizedPayloads) {
  const std::vector<std::pair<std::array<char, HeaderSize>, std::optional<std::uint32_t>>> cases{
      {{0, 0, 0, 0}, std::nullopt},
      {{1, 0, 0, 0}, 1},
      {{0, 0x10, 0, 0}, 4096},
      {{1, 0x10, 0, 0}, std::nullopt},
      {{'G', 'E', 'T', ' '}, std::nullopt},  // an HTTP request
      {{'\xFF', '\xFF', '\xFF', '\xFF'}, std::nullopt},
  };
  for (const auto& [header, expected] : cases) EXPECT_EQ(PayloadLength(header), expected);
}

TEST(SessionWire, BodiesThatAreCutShortOrRunOnAreRefused) {
  const std::string hello(Body(HelloFrame()));
  const std::string joined(Body(JoinedFrame(2, {{1, "SERVER"}, {2, "7"}})));
  const std::string join(Body(JoinFrame("FFF", "7")));
  std::string wrongMagic = hello;
  wrongMagic[0] = 'X';
  std::string wrongVersion = hello;
  wrongVersion[Magic.size()] = 2;
  for (std::size_t cut = 0; cut < hello.size(); ++cut) EXPECT_FALSE(ParseHello(hello.substr(0, cut))) << cut;
  for (std::size_t cut = 0; cut < joined.size(); ++cut) EXPECT_FALSE(ParseJoined(joined.substr(0, cut))) << cut;
  for (std::size_t cut = 0; cut < join.size(); ++cut) EXPECT_FALSE(ParseJoin(join.substr(0, cut))) << cut;
  EXPECT_FALSE(ParseHello(hello + "x"));
  EXPECT_FALSE(ParseJoined(joined + "x"));
  EXPECT_FALSE(ParseHello(wrongMagic));
  EXPECT_FALSE(ParseHello(wrongVersion));
  EXPECT_FALSE(ParseSessions(std::string(Body(SessionsFrame({"FFF"}))) + "x"));
  EXPECT_FALSE(ParsePlayerRemoved(std::string(4, '\0')));  // identifier 0
  EXPECT_FALSE(ParseJoined(Body(JoinedFrame(0, {{1, "SERVER"}}))));
  EXPECT_FALSE(ParseMessage(std::string(4, '\0')));  // no block
  EXPECT_FALSE(ParseMessage(std::string(4 + MaxBlock + 1, 'x')));
  EXPECT_FALSE(SplitPayload(""));
  EXPECT_FALSE(SplitPayload("\x08"));
  EXPECT_FALSE(SplitPayload(std::string(1, '\0')));
}

TEST(SessionWire, AJoinedReplyHoldsAtMostTwentyMembers) {
  std::vector<TSessionPlayer> players;
  for (TSessionPlayerId id = 1; id <= MaxPlayers + 1; ++id) players.push_back({id, std::to_string(id)});
  EXPECT_FALSE(ParseJoined(Body(JoinedFrame(1, players))));
  players.pop_back();
  EXPECT_TRUE(ParseJoined(Body(JoinedFrame(1, players))));
}

}  // namespace
