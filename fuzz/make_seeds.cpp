// Writes the seed corpora that come from what the game itself writes: packed rules and
// players, saved games of games in progress, texts, session frames and the message stream
// a host sends while computer players play a network game.
// The container seeds are cut down from the built "graph.col" and "rekl.col": small real
// sprites kept as they are or re-encoded as a small JPEG, a corner of the real banners.
//   fuzz_make_seeds CORPUS_DIR DATA_DIR   (DATA_DIR: the build's bin/ with *.col and *.st)
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "base/byte_codec.h"
#include "base/cp1251.h"
#include "fuzz/fuzz_input.h"
#include "game/game.h"
#include "game/random.h"
#include "gfx/bmp_decoder.h"
#include "gfx/container_records.h"
#include "gfx/gif_decoder.h"
#include "net/net_table_loop.h"
#include "platform/session_wire.h"
#include "tests/support/fake_session.h"
#include "tests/support/image_fixtures.h"
#include "tools/col_writer.h"

namespace {

namespace fs = std::filesystem;

fs::path Corpus;

void Seed(const std::string& harness, const std::string& name, std::string_view bytes) {
  fs::create_directories(Corpus / harness);
  WriteStringToFile((Corpus / harness / name).string(), bytes);
}

// A piece as TFuzzInput::Piece reads it.
std::string Piece(std::string_view text) { return static_cast<char>(text.size()) + std::string(text); }

std::vector<TPlayer> SamplePlayers() {
  std::vector<TPlayer> players(3);
  players[0].FName = Cp1251("Вася");
  players[1].FName = "HAL";
  players[1].FKind = PlayerKindComputer;
  players[1].FLevel = 2;
  players[1].FScore = 655;
  players[1].FEntered = true;
  players[1].FBolts = 2;
  players[2].FName = Cp1251("Тётя Мотя");
  players[2].FScore = 880;
  players[2].FEntered = true;
  players[2].FBarrelTries = 1;
  players[2].FBarrelFalls = 1;
  return players;
}

// A network game hosted on a fake session with three computer players and one joiner; what
// the host sends to all (a client's view of the game) is kept as the stream.
std::vector<TGameMessage> RecordedHostStream(std::string& joinGreeting) {
  TSeededRandom random(7);
  TRandomScope scope(random);
  TGame game;
  TFakeSession session;
  TNetTableLoop loop(game, session, {.ComputerPressDelay = 2, .CutPassDelay = true, .FastForwardDice = true});
  loop.HostGame("127.0.0.1");
  for (TPlayer player : SamplePlayers()) {
    player.FKind = PlayerKindComputer;
    loop.AddPlayer(player);
  }
  loop.PlayerAdded({7, "4242"});
  loop.PressButton(TTableButtons::Start);
  for (int step = 0; step < 400; ++step) loop.TableStep();

  std::vector<TGameMessage> stream;
  for (const TFakeSession::TSent& sent : session.Sent) {
    const std::optional<TGameMessage> message = UnpackGameMessage(sent.Block);
    if (!message) continue;
    if (sent.To == 7) {
      joinGreeting += Piece(message->Text);
    } else {
      stream.push_back(*message);
    }
  }
  return stream;
}

// The records of a container: 32-bit little-endian key length, key, data length, data.
std::vector<TColRecord> ReadRecords(const fs::path& file) {
  const std::string bytes = ReadFileToString(file.string()).value_or("");
  std::vector<TColRecord> records;
  std::size_t at = 0;
  const auto field = [&](std::string& out) {
    if (bytes.size() - at < 4) return false;
    const auto size = static_cast<std::uint32_t>(Bin4ToInt(std::string_view(bytes).substr(at, 4)));
    at += 4;
    if (bytes.size() - at < size) return false;
    out = bytes.substr(at, size);
    at += size;
    return true;
  };
  TColRecord record;
  while (field(record.Key) && field(record.Data)) records.push_back(record);
  return records;
}

void ContainerSeeds(const fs::path& data) {
  std::vector<TColRecord> sprites = ReadRecords(data / "graph.col");
  std::erase_if(sprites, [](const TColRecord& r) { return r.Key.empty() || r.Key[0] != gkBitmap; });
  std::sort(sprites.begin(), sprites.end(),
            [](const TColRecord& a, const TColRecord& b) { return a.Data.size() < b.Data.size(); });
  if (sprites.size() < 2) return;
  const TImage sprite = DecodeBmp(sprites[1].Data);
  Seed("fuzz_containers", "graph_cut",
       BuildContainer({sprites[0], sprites[1], ImageRecord(gkJPEG, 0, "JPEG_SPRITE", EncodeJpeg(sprite, 50))}));

  const std::vector<TColRecord> banners = ReadRecords(data / "rekl.col");
  if (banners.empty() || banners[0].Key.size() < 4) return;
  const TGifImage banner = DecodeGif(banners[0].Data);
  constexpr int kWidth = 20, kHeight = 10;
  std::vector<TGifFixtureFrame> frames;
  for (std::size_t i = 0; i < banner.Frames.size() && frames.size() < 3; ++i) {
    const TGifFrame& from = banner.Frames[i];
    TGifFixtureFrame frame;
    frame.Left = std::min(from.Left, kWidth - 1);
    frame.Top = std::min(from.Top, kHeight - 1);
    frame.Width = std::clamp(std::min(from.Width, kWidth - frame.Left), 1, kWidth);
    frame.Height = std::clamp(std::min(from.Height, kHeight - frame.Top), 1, kHeight);
    for (int y = 0; y < frame.Height; ++y)
      for (int x = 0; x < frame.Width; ++x)
        frame.Indices.push_back(x < from.Width && y < from.Height ? from.Indices[y * from.Width + x] : 0);
    frame.LocalPalette = from.Palette;
    frame.Delay = from.Delay;
    frame.TransparentIndex = from.TransparentIndex;
    frame.Disposal = from.Disposal;
    frames.push_back(frame);
  }
  const std::string gif = EncodeGif(kWidth, kHeight, {}, frames);
  Seed("fuzz_containers", "rekl_cut",
       BuildContainer({BannerRecord(2, banners[0].Key.substr(4), gif), BannerRecord(1, "https://example.org/", gif)}));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: fuzz_make_seeds CORPUS_DIR DATA_DIR\n");
    return 2;
  }
  Corpus = argv[1];
  TSeededRandom random(3);
  TRandomScope scope(random);

  const fs::path data = argv[2];
  ContainerSeeds(data);
  for (const fs::directory_entry& entry : fs::directory_iterator(data)) {
    if (entry.path().extension() != ".st") continue;
    TGameOptions options;
    LoadOptions(entry.path().string(), options);
    Seed("fuzz_packed_rules", entry.path().stem().string(), OptionsToString(options));
  }

  const std::vector<TPlayer> players = SamplePlayers();
  for (std::size_t i = 0; i < players.size(); ++i)
    Seed("fuzz_packed_player", "player" + std::to_string(i), players[i].SaveToString());

  // Saved games as the game writes them: at the start and in the middle of a game.
  TGame game;
  for (const TPlayer& player : players) game.AddPlayer(player);
  game.StartGame();
  const std::string saveName = (Corpus / "tmp.sav").string();
  game.SaveGame(saveName);
  Seed("fuzz_saved_game", "start", *ReadFileToString(saveName));
  TGame middle;
  for (const TPlayer& player : players) middle.AddLoadedPlayer(player);
  middle.SetCurrentPlayer(2);
  middle.SaveGame(saveName);
  Seed("fuzz_saved_game", "middle", *ReadFileToString(saveName));
  fs::remove(saveName);

  // Texts: five bytes of alignment, position and spacing, then the text.
  const std::string layout("\x01\x01\x20\x18\x02", 5);
  Seed("fuzz_text", "markup", layout + Cp1251("&1Вася&0 набрал &2555&&\r\nи упал на &1 0"));
  Seed("fuzz_text", "lines", layout + "one\r\ntwo\r\n\r\nthree &9 &");

  using namespace SessionWire;
  const std::string clientToHost =
      HelloFrame() + JoinFrame("FFF", "31337") + MessageFrame(5, PackGameMessage(gmThrow, {}));
  Seed("fuzz_session_frames", "client_to_host", clientToHost);
  Seed("fuzz_session_host", "client_to_host", clientToHost);
  Seed("fuzz_session_host", "hello", HelloFrame());
  Seed("fuzz_session_frames", "host_to_client",
       SessionsFrame({"FFF"}) + JoinedFrame(9, {{5, "SERVER"}, {9, "31337"}}) + PlayerAddedFrame({11, "555"}) +
           MessageFrame(5, PackGameMessage(gmThrow, "\x01\x05\x05\x02\x03")) + PlayerRemovedFrame(11));

  // Message streams for a client (setup byte even) with two players of its own.
  std::string greeting;
  const std::vector<TGameMessage> stream = RecordedHostStream(greeting);
  std::string ops("\x04\x02", 2);
  for (const TGameMessage& message : stream)
    ops += static_cast<char>(((message.Kind - 2) << 3) | 3) + Piece(message.Text);
  Seed("fuzz_game_messages", "hosted_game", ops);
  Seed("fuzz_game_messages", "hosted_game_as_host", "\x05\x02" + ops.substr(2));

  // The greeting as the state harness reads it: rules, player count, players, no deletion,
  // then the state.
  TFuzzInput greetingInput(reinterpret_cast<const std::uint8_t*>(greeting.data()), greeting.size());
  std::vector<std::string> pieces;
  while (!greetingInput.Empty()) pieces.emplace_back(greetingInput.Piece());
  if (pieces.size() >= 2) {
    std::string state("\x04\x02", 2);
    state += pieces.front();
    state += static_cast<char>(pieces.size() - 2);
    for (std::size_t i = 1; i + 1 < pieces.size(); ++i) state += Piece(pieces[i]);
    state += '\0';
    state += pieces.back();
    Seed("fuzz_state_text", "join_greeting", state);
  }
  return 0;
}
