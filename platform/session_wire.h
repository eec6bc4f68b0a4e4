#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/session.h"

// The session's wire format. Every frame is a 32-bit little-endian payload length followed
// by the payload: one type byte and its body. A connection opens with Hello (client) and
// Sessions (host), both carrying the protocol's magic and version; anything that does not
// parse closes that one connection.
namespace SessionWire {

inline constexpr std::string_view Magic = "THOUSAND";
inline constexpr std::uint16_t Version = 1;
inline constexpr std::size_t HeaderSize = 4;
// Far above any real frame (a game message is 141 bytes of payload): a longer length is
// garbage, never a reason to allocate.
inline constexpr std::uint32_t MaxPayload = 4096;
inline constexpr std::size_t MaxBlock = 1024;
inline constexpr std::size_t MaxPlayers = 20;

enum class TFrameType : std::uint8_t {
  Hello = 1,          // client: magic, version
  Sessions = 2,       // host: magic, version, the session names
  Join = 3,           // client: session name, player name
  Joined = 4,         // host: the joiner's id, every member
  PlayerAdded = 5,    // host: a member that joined later
  PlayerRemoved = 6,  // host: a member whose connection ended
  Message = 7,        // client to host: the addressee; host to client: the sender; the block
};

// The payload length of a header, or nothing when it is 0 or above MaxPayload.
std::optional<std::uint32_t> PayloadLength(const std::array<char, HeaderSize>& header);

std::string HelloFrame();
std::string SessionsFrame(const std::vector<std::string>& names);
std::string JoinFrame(std::string_view session, std::string_view player);
std::string JoinedFrame(TSessionPlayerId self, const std::vector<TSessionPlayer>& players);
std::string PlayerAddedFrame(const TSessionPlayer& player);
std::string PlayerRemovedFrame(TSessionPlayerId id);
std::string MessageFrame(TSessionPlayerId peer, std::string_view block);

// Keep-alive rides in a Message frame with a peer no member ever has: a host of version 1
// relays it to nobody, so our clients can send it to any host. A host sends it only to a
// client that sent one, so a version-1 client never sees it.
inline constexpr TSessionPlayerId KeepAlivePeer = 0xFFFFFFFF;
std::string KeepAliveFrame();
// A keep-alive that also says a wait holding the sender's only thread begins (a message box,
// a dialog): its silence does not count until it is heard again. A host of version 1 relays it
// to nobody, and one of ours that ignores the mark takes it as a plain keep-alive.
std::string QuietFrame();
bool SaysQuiet(std::string_view keepAliveBlock);

// Two more reserved peers for what only our machines speak: a joined client tells the host
// its identity for the session (eight bytes, least significant first), and the host sends a
// game's notice to clients that keep alive.
inline constexpr TSessionPlayerId IdentityPeer = 0xFFFFFFFE;
inline constexpr TSessionPlayerId NoticePeer = 0xFFFFFFFD;
std::string IdentityFrame(std::uint64_t identity);
std::string NoticeFrame(std::string_view block);
// The identity in a block sent to IdentityPeer; nothing unless it is eight bytes and not 0.
std::optional<std::uint64_t> ParseIdentity(std::string_view block);

// A received payload split into its type and body; nothing for an unknown type.
struct TFrame {
  TFrameType Type;
  std::string_view Body;
};
std::optional<TFrame> SplitPayload(std::string_view payload);

// Each parser takes a body and gives nothing unless it is whole and holds nothing more.
bool ParseHello(std::string_view body);
std::optional<std::vector<std::string>> ParseSessions(std::string_view body);

struct TJoinRequest {
  std::string Session;
  std::string Player;
};
std::optional<TJoinRequest> ParseJoin(std::string_view body);

struct TJoinedReply {
  TSessionPlayerId Self = 0;
  std::vector<TSessionPlayer> Players;
};
std::optional<TJoinedReply> ParseJoined(std::string_view body);
std::optional<TSessionPlayer> ParsePlayerAdded(std::string_view body);
std::optional<TSessionPlayerId> ParsePlayerRemoved(std::string_view body);

struct TMessageFrame {
  TSessionPlayerId Peer = 0;
  std::string Block;
};
std::optional<TMessageFrame> ParseMessage(std::string_view body);

}  // namespace SessionWire
