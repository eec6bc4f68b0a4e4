#include "game/saved_game.h"

#include <filesystem>

#include "base/byte_codec.h"
#include "game/game.h"
#include "game/message_texts.h"
#include "gfx/file_io.h"

std::string_view SavedGameErrorText(TSavedGameError error) {
  switch (error) {
    case TSavedGameError::None: return "ok";
    case TSavedGameError::Missing: return "file missing";
    case TSavedGameError::Unreadable: return "file cannot be read";
    case TSavedGameError::BadMagic: return "bad magic (not a saved game)";
    case TSavedGameError::BadChecksum: return "bad checksum";
    case TSavedGameError::Truncated: return "truncated (a count or length points past the end)";
    case TSavedGameError::TooManyPlayers: return "more players than the table holds";
  }
  return "unknown";
}

TSavedChecksums SavedGameChecksums(std::string_view payload) {
  // Unsigned arithmetic gives the wrap-around of signed 32-bit without undefined behaviour.
  std::uint32_t a = 0;
  std::uint32_t b = 5687298;
  for (std::size_t i = 0; i < payload.size(); ++i) {
    const std::uint32_t v = static_cast<unsigned char>(payload[i]);
    const std::size_t n = i + 1;
    switch (n % 7) {
      case 1: a += v / 4; break;
      case 2: a = v / 7 + 3 * a; break;
      case 3: a += v; break;
      case 4: a = 11 * v - a; break;
      case 5: a += 8 * v; break;
      case 6: a += 114 * v; break;
      default: a += 5 * v; break;
    }
    switch (n % 3) {
      case 1: b += v; break;
      case 2: b += v + 45; break;
      default: b += 3 * v + v / 2; break;
    }
  }
  return {static_cast<std::int32_t>(a), static_cast<std::int32_t>(b)};
}

std::optional<std::string> EncodeSavedGame(const TSavedGame& game) {
  if (game.Players.size() > 255) return std::nullopt;
  std::string payload(1, static_cast<char>(game.Players.size()));
  for (const TPlayer& player : game.Players) {
    const std::string record = player.SaveToString();
    payload += IntToBin4(static_cast<std::int32_t>(record.size()));
    payload += record;
  }
  payload += static_cast<char>(game.CurrentPlayer);
  std::string options = game.PackedOptions;
  options.resize(SavedOptionsSize, '\0');
  payload += options;

  const TSavedChecksums sums = SavedGameChecksums(payload);
  return std::string(SavedGameMagic) + IntToBin4(sums.A) + IntToBin4(sums.B) + payload;
}

namespace {

// Hands out the payload's pieces and notices when one would run past the end.
class TPayloadReader {
public:
  explicit TPayloadReader(std::string_view bytes) : FBytes(bytes) {}
  bool Take(std::size_t count, std::string_view& piece) {
    if (count > FBytes.size() - FOffset) return false;
    piece = FBytes.substr(FOffset, count);
    FOffset += count;
    return true;
  }

private:
  std::string_view FBytes;
  std::size_t FOffset = 0;
};

}  // namespace

TSavedGameError DecodeSavedGame(std::string_view bytes, TSavedGame& game) {
  if (bytes.substr(0, SavedGameMagic.size()) != SavedGameMagic) return TSavedGameError::BadMagic;
  if (bytes.size() < SavedGameHeaderSize) return TSavedGameError::Truncated;
  const std::string_view payload = bytes.substr(SavedGameHeaderSize);
  const TSavedChecksums stored{Bin4ToInt(bytes.substr(7, 4)), Bin4ToInt(bytes.substr(11, 4))};
  if (SavedGameChecksums(payload) != stored) return TSavedGameError::BadChecksum;

  TPayloadReader reader(payload);
  TSavedGame read;
  std::string_view piece;
  if (!reader.Take(1, piece)) return TSavedGameError::Truncated;
  const int count = static_cast<unsigned char>(piece[0]);
  if (count > TPlayers::MaxPlayers) return TSavedGameError::TooManyPlayers;
  for (int i = 0; i < count; ++i) {
    if (!reader.Take(4, piece)) return TSavedGameError::Truncated;
    const std::int32_t length = Bin4ToInt(piece);
    if (length < 0 || !reader.Take(static_cast<std::size_t>(length), piece)) return TSavedGameError::Truncated;
    TPlayer player;
    if (!player.LoadFromString(piece)) return TSavedGameError::Truncated;
    read.Players.push_back(std::move(player));
  }
  if (!reader.Take(1, piece)) return TSavedGameError::Truncated;
  read.CurrentPlayer = static_cast<std::uint8_t>(piece[0]);
  if (!reader.Take(SavedOptionsSize, piece)) return TSavedGameError::Truncated;
  read.PackedOptions = std::string(piece.substr(0, PackedOptionsSize));
  game = std::move(read);
  return TSavedGameError::None;
}

std::optional<std::string> TGame::SavedGameBytes() const {
  TSavedGame saved;
  for (int i = 0; i < FPlayers.Count(); ++i) saved.Players.push_back(FPlayers.Player(i));
  saved.CurrentPlayer = static_cast<std::uint8_t>(FCurrentPlayer);
  saved.PackedOptions = OptionsToString();
  return EncodeSavedGame(saved);
}

bool TGame::SaveGame(const std::string& fileName) const {
  const std::optional<std::string> bytes = SavedGameBytes();
  return bytes && WriteStringToFile(fileName, *bytes);
}

bool TGame::LoadGame(const std::string& fileName) { return LoadGameWithReason(fileName) == TSavedGameError::None; }

TSavedGameError TGame::LoadGameWithReason(const std::string& fileName) {
  // Whatever follows, the game in progress ends here.
  FinishGame();
  SetMessage(LoadingGameMessage());
  const std::optional<std::string> bytes = ReadFileToString(fileName, SavedGameReadLimit);
  if (!bytes) {
    std::error_code error;
    return std::filesystem::exists(fileName, error) ? TSavedGameError::Unreadable : TSavedGameError::Missing;
  }
  TSavedGame saved;
  const TSavedGameError error = DecodeSavedGame(*bytes, saved);
  if (error != TSavedGameError::None) return error;
  ApplySavedGame(saved);
  return TSavedGameError::None;
}

void TGame::ApplySavedGame(const TSavedGame& saved) {
  FCurrentPlayer = 0;
  FPlayers.Clear();
  StartGame();
  for (const TPlayer& player : saved.Players) FPlayers.AddLoaded(player);
  SetCurrentPlayer(saved.CurrentPlayer);
  OptionsFromString(saved.PackedOptions);
  if (FPlayers.Count() == 0) FinishGame();
  PrepareComputerPlayers();
}
