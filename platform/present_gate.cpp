#include "platform/present_gate.h"

#include <bit>

void TFrameKey::Add(float value) { Add(std::bit_cast<std::uint32_t>(value)); }

void TFrameKey::Add(std::string_view text) {
  Add(static_cast<std::uint32_t>(text.size()));
  std::uint32_t word = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    word |= static_cast<std::uint32_t>(static_cast<unsigned char>(text[i])) << (8 * (i % 4));
    if (i % 4 == 3 || i + 1 == text.size()) {
      Add(word);
      word = 0;
    }
  }
}

std::span<std::uint32_t> TFrameKey::Extend(std::size_t count) {
  const std::size_t start = FWords.size();
  FWords.resize(start + count);
  return std::span(FWords).subspan(start);
}

bool TPresentGate::Admit(const TFrameKey& key) {
  if (FKnown && FShown == key.Words()) return false;
  // Assigning keeps the room of the last key: no allocation once the sizes settle.
  FShown = key.Words();
  FKnown = true;
  return true;
}
