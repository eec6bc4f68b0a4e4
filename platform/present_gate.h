#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Everything a composed frame is made of, as words: what the pictures are drawn from (or their
// pixels), where they lie and the state of what is drawn live. Two equal keys give the same frame.
class TFrameKey {
public:
  // Starts a new key; the room of the last one is kept.
  void Clear() { FWords.clear(); }
  void Add(std::uint32_t word) { FWords.push_back(word); }
  void Add(int value) { Add(static_cast<std::uint32_t>(value)); }
  void Add(bool value) { Add(static_cast<std::uint32_t>(value)); }
  void Add(float value);
  // The length, then the bytes four to a word: "ab" + "c" and "a" + "bc" give different keys.
  void Add(std::string_view text);
  // `count` words at the end of the key, for a picture to write its pixels into.
  std::span<std::uint32_t> Extend(std::size_t count);

  const std::vector<std::uint32_t>& Words() const { return FWords; }

private:
  std::vector<std::uint32_t> FWords;
};

// Lets a frame through to the screen only when it differs from the last one let through, so
// an idle window uploads, draws and swaps nothing.
class TPresentGate {
public:
  // True, and remembered as shown, when `key` differs from the last key let through.
  bool Admit(const TFrameKey& key);
  // The screen lost the picture (uncovered, restored): the next frame goes through.
  void Forget() { FKnown = false; }

private:
  std::vector<std::uint32_t> FShown;
  bool FKnown = false;
};
