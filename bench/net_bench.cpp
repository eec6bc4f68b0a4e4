// A throw's way from the host to a client over loopback (goal: within one 15 ms tick): from
// the host carrying out a throw request to the client starting the same throw, over 1,000
// throws, as median and 99th percentile.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include "tests/net/net_machines.h"

namespace {

using TClock = std::chrono::steady_clock;

void BM_ThrowHostToClient(benchmark::State& state) {
  constexpr int Throws = 1000;
  TNetTable table;
  TNetMachine& host = table.Host();
  host.AddPlayer("Host");
  if (!table.StartHost()) return state.SkipWithError("cannot host on loopback");
  TNetMachine* client = table.Join();
  if (client == nullptr) return state.SkipWithError("cannot join on loopback");
  table.Tick();
  host.Game.StartGame();
  const TSessionPlayerId hostId = host.Session.Players().front().Id;
  const std::string request = PackGameMessage(gmThrow, {});

  std::vector<double> micros;
  for (auto _ : state) {
    micros.clear();
    for (int i = 0; i < Throws; ++i) {
      const std::size_t before = client->Recorder.Received.size();
      const TClock::time_point start = TClock::now();
      host.Loop.MessageReceived(hostId, request);
      const TClock::time_point limit = start + std::chrono::seconds(2);
      while (client->Recorder.Received.size() == before && TClock::now() < limit) {
        client->Session.Poll();
        host.Session.Poll();
      }
      micros.push_back(std::chrono::duration<double, std::micro>(TClock::now() - start).count());
      // Both let the throw come to rest before the next one, as between real presses.
      for (int tick = 0; tick < 1000 && (host.Game.ThrowPending() || client->Game.ThrowPending()); ++tick) table.Tick();
    }
  }
  std::sort(micros.begin(), micros.end());
  state.counters["median_us"] = micros[micros.size() / 2];
  state.counters["p99_us"] = micros[micros.size() * 99 / 100];
  state.counters["max_us"] = micros.back();
}
BENCHMARK(BM_ThrowHostToClient)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
