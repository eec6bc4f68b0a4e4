#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <unistd.h>

#include "gfx/file_io.h"

// The fuzzer's bytes, taken piece by piece: a choice from the front, the rest as a text.
// Running out gives zeros and empty texts, never a read past the end.
class TFuzzInput {
public:
  TFuzzInput(const std::uint8_t* data, std::size_t size)
      : FRest(reinterpret_cast<const char*>(data), size) {}

  std::uint8_t Byte() {
    if (FRest.empty()) return 0;
    const auto value = static_cast<std::uint8_t>(FRest.front());
    FRest.remove_prefix(1);
    return value;
  }
  // Up to `count` bytes.
  std::string_view Take(std::size_t count) {
    const std::string_view piece = FRest.substr(0, count);
    FRest.remove_prefix(piece.size());
    return piece;
  }
  // A piece whose length is the next byte.
  std::string_view Piece() { return Take(Byte()); }
  std::string_view Rest() { return Take(FRest.size()); }
  bool Empty() const { return FRest.empty(); }

private:
  std::string_view FRest;
};

// A file of this process for the parsers that read files by name; each run overwrites it.
// In memory where the machine has it: the write flushes the file to disk each time.
inline std::string FuzzFile(std::string_view bytes, std::string_view extension) {
  static const std::string folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  const std::string name = folder + "/thousand-fuzz-" + std::to_string(::getpid()) + std::string(extension);
  WriteStringToFile(name, bytes);
  return name;
}

// A fault the sanitizers cannot see: the harness's own check of a parser's promise.
#define FUZZ_CHECK(condition) \
  do {                        \
    if (!(condition)) __builtin_trap(); \
  } while (false)
