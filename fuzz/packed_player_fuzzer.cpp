// The packed player, as saved games and the player messages of a network game carry it.
#include "fuzz/fuzz_input.h"
#include "game/players.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view packed(reinterpret_cast<const char*>(data), size);
  TPlayer player;
  const bool whole = player.LoadFromString(packed);
  FUZZ_CHECK(player.FScoreDelta == 0);
  if (!whole) return 0;
  // A whole record survives being packed again.
  TPlayer again;
  FUZZ_CHECK(again.LoadFromString(player.SaveToString()));
  FUZZ_CHECK(again.FName == player.FName && again.FKind == player.FKind &&
             again.FLevel == player.FLevel && again.Total() == player.Total() &&
             again.FEntered == player.FEntered && again.FBolts == player.FBolts &&
             again.FBarrelTries == player.FBarrelTries && again.FBarrelFalls == player.FBarrelFalls);
  return 0;
}
