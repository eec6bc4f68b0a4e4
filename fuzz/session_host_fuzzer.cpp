// A hostile peer on a real host's port: the bytes go over a loopback connection to the
// game's TCP session, which must read them (handshake, sizes, kinds, cut frames) without
// harm, close that one connection when they are not our protocol, and keep hosting.
#include <chrono>

#include "fuzz/fuzz_input.h"
#include "tests/net/net_machines.h"
#include "tests/support/raw_tcp.h"

namespace {

TNetMachine& Host() {
  static TSeededRandom random(1);
  static TRandomScope scope(random);
  static TNetMachine* host = [] {
    TTcpSessionSettings settings;
    settings.Port = 0;
    settings.HandshakeLimit = std::chrono::milliseconds(200);
    auto* machine = new TNetMachine(settings, {});
    machine->AddPlayer("Host", PlayerKindComputer);
    if (!machine->Loop.HostGame("127.0.0.1")) __builtin_trap();
    return machine;
  }();
  return *host;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TNetMachine& host = Host();
  TRawTcp stranger;
  if (!stranger.Connect(host.Session.HostPort())) return 0;
  stranger.Send({reinterpret_cast<const char*>(data), size});
  // Served until the host drops the stranger, or for a while if it keeps talking sense.
  for (int tick = 0; tick < 40 && !stranger.PeerClosed(); ++tick) host.Tick();
  stranger.Close();
  for (int tick = 0; tick < 5; ++tick) host.Tick();
  host.Recorder.Received.clear();
  FUZZ_CHECK(host.Session.Active() && host.Game.NetHost());
  return 0;
}
