// A rule-set file (*.st) of any bytes, loaded as the game loads the one its settings name.
#include "fuzz/fuzz_input.h"
#include "game/options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TGameOptions options;
  FUZZ_CHECK(LoadOptions(FuzzFile(text, ".st"), options));
  // What was loaded is in range, so saving it over the same text and loading again keeps it.
  FUZZ_CHECK(OptionsFromIni(OptionsToIni(options, text)) == options);
  FUZZ_CHECK(OptionsFromIni(text) == options);
  return 0;
}
