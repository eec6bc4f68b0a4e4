#include "platform/present_gate.h"

#include <bit>

void TFrameKey::Add(float value) { Add(std::bit_cast<std::uint32_t>(value)); }

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
