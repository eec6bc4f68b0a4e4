// The byte stream a hostile peer can send over a session connection, cut into frames the
// way a connection reads it (length header, then that many bytes) and parsed as the host
// and as a client parse what they receive. Whatever parses must be exactly what our own
// builders write for it, since every parser takes a whole body and nothing more.
#include <array>
#include <cstring>

#include "fuzz/fuzz_input.h"
#include "net/message_record.h"
#include "platform/session_wire.h"

namespace {

using namespace SessionWire;

void CheckFrame(std::string_view frame, const std::string& rebuilt) { FUZZ_CHECK(frame == rebuilt); }

void ParseFrame(std::string_view frame, const TFrame& parts) {
  switch (parts.Type) {
    case TFrameType::Hello:
      if (ParseHello(parts.Body)) CheckFrame(frame, HelloFrame());
      break;
    case TFrameType::Sessions:
      if (const auto names = ParseSessions(parts.Body)) CheckFrame(frame, SessionsFrame(*names));
      break;
    case TFrameType::Join:
      if (const auto join = ParseJoin(parts.Body)) CheckFrame(frame, JoinFrame(join->Session, join->Player));
      break;
    case TFrameType::Joined:
      if (const auto joined = ParseJoined(parts.Body)) {
        FUZZ_CHECK(joined->Players.size() <= MaxPlayers);
        CheckFrame(frame, JoinedFrame(joined->Self, joined->Players));
      }
      break;
    case TFrameType::PlayerAdded:
      if (const auto player = ParsePlayerAdded(parts.Body)) CheckFrame(frame, PlayerAddedFrame(*player));
      break;
    case TFrameType::PlayerRemoved:
      if (const auto id = ParsePlayerRemoved(parts.Body)) CheckFrame(frame, PlayerRemovedFrame(*id));
      break;
    case TFrameType::Message:
      if (const auto message = ParseMessage(parts.Body)) {
        CheckFrame(frame, MessageFrame(message->Peer, message->Block));
        if (const auto game = UnpackGameMessage(message->Block))
          FUZZ_CHECK(game->Text.size() <= GameMessageTextLimit && message->Block.size() == GameMessageSize);
      }
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TFuzzInput input(data, size);
  while (!input.Empty()) {
    const std::string_view headerBytes = input.Take(HeaderSize);
    if (headerBytes.size() < HeaderSize) return 0;  // the connection ends mid-header
    std::array<char, HeaderSize> header{};
    std::memcpy(header.data(), headerBytes.data(), HeaderSize);
    const std::optional<std::uint32_t> length = PayloadLength(header);
    if (!length) return 0;  // the connection is closed
    FUZZ_CHECK(*length >= 1 && *length <= MaxPayload);
    const std::string_view payload = input.Take(*length);
    if (payload.size() < *length) return 0;  // cut short
    const std::optional<TFrame> parts = SplitPayload(payload);
    if (!parts) return 0;
    ParseFrame(std::string(headerBytes) + std::string(payload), *parts);
  }
  return 0;
}
