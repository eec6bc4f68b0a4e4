#include "platform/session_wire.h"

#include <algorithm>

namespace SessionWire {
namespace {

class TWriter {
public:
  explicit TWriter(TFrameType type) { FBytes.push_back(static_cast<char>(type)); }
  void U8(std::uint8_t value) { FBytes.push_back(static_cast<char>(value)); }
  void U16(std::uint16_t value) {
    for (int i = 0; i < 2; ++i) U8(static_cast<std::uint8_t>(value >> (8 * i)));
  }
  void U32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) U8(static_cast<std::uint8_t>(value >> (8 * i)));
  }
  // A short text: one length byte; longer texts are cut to 255 bytes.
  void Text(std::string_view text) {
    text = text.substr(0, 255);
    U8(static_cast<std::uint8_t>(text.size()));
    FBytes += text;
  }
  void Raw(std::string_view bytes) { FBytes += bytes; }
  void Player(const TSessionPlayer& player) {
    U32(player.Id);
    Text(player.Name);
  }
  // The length header in front of the payload.
  std::string Frame() const {
    std::string frame;
    const auto size = static_cast<std::uint32_t>(FBytes.size());
    for (int i = 0; i < 4; ++i) frame.push_back(static_cast<char>(size >> (8 * i)));
    return frame + FBytes;
  }

private:
  std::string FBytes;
};

// Reads a body front to back; every read fails, and keeps failing, once the body runs out.
class TReader {
public:
  explicit TReader(std::string_view body) : FRest(body) {}
  bool U8(std::uint8_t& value) {
    if (FRest.empty()) return Fail();
    value = static_cast<std::uint8_t>(FRest.front());
    FRest.remove_prefix(1);
    return true;
  }
  bool U16(std::uint16_t& value) {
    std::uint32_t wide = 0;
    if (!Unsigned(2, wide)) return false;
    value = static_cast<std::uint16_t>(wide);
    return true;
  }
  bool U32(std::uint32_t& value) { return Unsigned(4, value); }
  bool Bytes(std::size_t count, std::string& out) {
    if (FRest.size() < count) return Fail();
    out.assign(FRest.substr(0, count));
    FRest.remove_prefix(count);
    return true;
  }
  bool Text(std::string& out) {
    std::uint8_t size = 0;
    return U8(size) && Bytes(size, out);
  }
  bool Player(TSessionPlayer& player) { return U32(player.Id) && player.Id != 0 && Text(player.Name); }
  bool Signature() {
    std::string magic;
    std::uint16_t version = 0;
    return Bytes(Magic.size(), magic) && magic == Magic && U16(version) && version == Version;
  }
  std::string_view Rest() const { return FRest; }
  bool Done() const { return FOk && FRest.empty(); }

private:
  bool Unsigned(int size, std::uint32_t& value) {
    if (FRest.size() < static_cast<std::size_t>(size)) return Fail();
    value = 0;
    for (int i = 0; i < size; ++i) value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(FRest[i])) << (8 * i);
    FRest.remove_prefix(size);
    return true;
  }
  bool Fail() {
    FOk = false;
    return false;
  }

  std::string_view FRest;
  bool FOk = true;
};

void WriteSignature(TWriter& writer) {
  writer.Raw(Magic);
  writer.U16(Version);
}

bool ReadPlayers(TReader& reader, std::vector<TSessionPlayer>& players) {
  std::uint8_t count = 0;
  if (!reader.U8(count) || count > MaxPlayers) return false;
  players.resize(count);
  for (TSessionPlayer& player : players) {
    if (!reader.Player(player)) return false;
  }
  return true;
}

}  // namespace

std::optional<std::uint32_t> PayloadLength(const std::array<char, HeaderSize>& header) {
  std::uint32_t size = 0;
  for (std::size_t i = 0; i < HeaderSize; ++i)
    size |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(header[i])) << (8 * i);
  if (size == 0 || size > MaxPayload) return std::nullopt;
  return size;
}

std::string HelloFrame() {
  TWriter writer(TFrameType::Hello);
  WriteSignature(writer);
  return writer.Frame();
}

std::string SessionsFrame(const std::vector<std::string>& names) {
  TWriter writer(TFrameType::Sessions);
  WriteSignature(writer);
  writer.U8(static_cast<std::uint8_t>(std::min<std::size_t>(names.size(), 255)));
  for (std::size_t i = 0; i < names.size() && i < 255; ++i) writer.Text(names[i]);
  return writer.Frame();
}

std::string JoinFrame(std::string_view session, std::string_view player) {
  TWriter writer(TFrameType::Join);
  writer.Text(session);
  writer.Text(player);
  return writer.Frame();
}

std::string JoinedFrame(TSessionPlayerId self, const std::vector<TSessionPlayer>& players) {
  TWriter writer(TFrameType::Joined);
  writer.U32(self);
  writer.U8(static_cast<std::uint8_t>(players.size()));
  for (const TSessionPlayer& player : players) writer.Player(player);
  return writer.Frame();
}

std::string PlayerAddedFrame(const TSessionPlayer& player) {
  TWriter writer(TFrameType::PlayerAdded);
  writer.Player(player);
  return writer.Frame();
}

std::string PlayerRemovedFrame(TSessionPlayerId id) {
  TWriter writer(TFrameType::PlayerRemoved);
  writer.U32(id);
  return writer.Frame();
}

std::string MessageFrame(TSessionPlayerId peer, std::string_view block) {
  TWriter writer(TFrameType::Message);
  writer.U32(peer);
  writer.Raw(block.substr(0, MaxBlock));
  return writer.Frame();
}

std::string KeepAliveFrame() { return MessageFrame(KeepAlivePeer, std::string_view("\0", 1)); }

namespace {
constexpr std::string_view kQuietMark = "\1";
}  // namespace

std::string QuietFrame() { return MessageFrame(KeepAlivePeer, kQuietMark); }

bool SaysQuiet(std::string_view keepAliveBlock) { return keepAliveBlock == kQuietMark; }

std::string IdentityFrame(std::uint64_t identity) {
  std::string block;
  for (int i = 0; i < 8; ++i) block.push_back(static_cast<char>(identity >> (8 * i)));
  return MessageFrame(IdentityPeer, block);
}

std::string NoticeFrame(std::string_view block) { return MessageFrame(NoticePeer, block); }

std::optional<std::uint64_t> ParseIdentity(std::string_view block) {
  if (block.size() != 8) return std::nullopt;
  std::uint64_t identity = 0;
  for (int i = 7; i >= 0; --i) identity = identity << 8 | static_cast<std::uint8_t>(block[i]);
  if (identity == 0) return std::nullopt;
  return identity;
}

std::optional<TFrame> SplitPayload(std::string_view payload) {
  if (payload.empty()) return std::nullopt;
  const auto type = static_cast<std::uint8_t>(payload.front());
  if (type < static_cast<std::uint8_t>(TFrameType::Hello) || type > static_cast<std::uint8_t>(TFrameType::Message))
    return std::nullopt;
  return TFrame{static_cast<TFrameType>(type), payload.substr(1)};
}

bool ParseHello(std::string_view body) {
  TReader reader(body);
  return reader.Signature() && reader.Done();
}

std::optional<std::vector<std::string>> ParseSessions(std::string_view body) {
  TReader reader(body);
  std::uint8_t count = 0;
  if (!reader.Signature() || !reader.U8(count)) return std::nullopt;
  std::vector<std::string> names(count);
  for (std::string& name : names) {
    if (!reader.Text(name)) return std::nullopt;
  }
  if (!reader.Done()) return std::nullopt;
  return names;
}

std::optional<TJoinRequest> ParseJoin(std::string_view body) {
  TReader reader(body);
  TJoinRequest request;
  if (!reader.Text(request.Session) || !reader.Text(request.Player) || !reader.Done()) return std::nullopt;
  return request;
}

std::optional<TJoinedReply> ParseJoined(std::string_view body) {
  TReader reader(body);
  TJoinedReply reply;
  if (!reader.U32(reply.Self) || reply.Self == 0 || !ReadPlayers(reader, reply.Players) || !reader.Done())
    return std::nullopt;
  return reply;
}

std::optional<TSessionPlayer> ParsePlayerAdded(std::string_view body) {
  TReader reader(body);
  TSessionPlayer player;
  if (!reader.Player(player) || !reader.Done()) return std::nullopt;
  return player;
}

std::optional<TSessionPlayerId> ParsePlayerRemoved(std::string_view body) {
  TReader reader(body);
  TSessionPlayerId id = 0;
  if (!reader.U32(id) || id == 0 || !reader.Done()) return std::nullopt;
  return id;
}

std::optional<TMessageFrame> ParseMessage(std::string_view body) {
  TReader reader(body);
  TMessageFrame message;
  if (!reader.U32(message.Peer)) return std::nullopt;
  const std::string_view block = reader.Rest();
  if (block.empty() || block.size() > MaxBlock) return std::nullopt;
  message.Block.assign(block);
  return message;
}

}  // namespace SessionWire
