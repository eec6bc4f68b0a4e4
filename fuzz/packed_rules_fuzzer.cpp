// The packed rules as a joining machine receives them and a saved game carries them.
#include "fuzz/fuzz_input.h"
#include "game/game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view packed(reinterpret_cast<const char*>(data), size);
  TGame game;
  game.OptionsFromString(packed);
  // The packed form keeps every field as it is, in range or not.
  const std::string again = game.OptionsToString();
  FUZZ_CHECK(again.size() == PackedOptionsSize);
  FUZZ_CHECK(OptionsFromString(again) == game.Options());
  return 0;
}
