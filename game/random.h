#pragma once

#include <cstdint>
#include <deque>

// The program's one source of chance: dice faces, throw motion, die poses and the computer
// player all draw from it. Tests install their own generator to fix what is drawn.
class IRandom {
public:
  virtual ~IRandom() = default;
  // A whole number from 0 to n - 1 (0 when n is 1 or less).
  virtual int Random(int n) = 0;
  // A real in [0, 1).
  virtual double RandomReal() = 0;
};

// Deterministic for a given seed on every platform (a 64-bit xorshift* sequence), so a seed
// reproduces a whole simulated game. Its draws are inline: the rules lab makes some twenty
// thousand a game.
class TSeededRandom final : public IRandom {
public:
  explicit TSeededRandom(std::uint64_t seed);
  void Seed(std::uint64_t seed);
  int Random(int n) override {
    if (n <= 1) return 0;
    const std::uint64_t high = Next() >> 32;
    return static_cast<int>((high * static_cast<std::uint64_t>(n)) >> 32);
  }
  double RandomReal() override { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

private:
  std::uint64_t Next() {
    FState ^= FState >> 12;
    FState ^= FState << 25;
    FState ^= FState >> 27;
    return FState * 0x2545F4914F6CDD1Dull;
  }
  std::uint64_t FState;
};

// Hands out scripted values first and falls back to a seeded sequence when a script runs
// dry. Whole numbers are reduced into 0..n-1; reals must lie in [0, 1).
class TScriptedRandom final : public IRandom {
public:
  explicit TScriptedRandom(std::uint64_t fallbackSeed = 1);
  void PushInt(int value);
  void PushReal(double value);
  int Random(int n) override;
  double RandomReal() override;
  // How many numbers were drawn in all, scripted or not.
  int Draws() const { return FDraws; }

private:
  std::deque<int> FInts;
  std::deque<double> FReals;
  TSeededRandom FFallback;
  int FDraws = 0;
};

// The installed generator as every draw reaches it. A seeded one (the program's own, the rules
// lab's) is drawn from without a virtual call; any other through IRandom.
class TRandomSource {
public:
  int Random(int n) { return FSeeded != nullptr ? FSeeded->Random(n) : Installed().Random(n); }
  double RandomReal() { return FSeeded != nullptr ? FSeeded->RandomReal() : Installed().RandomReal(); }
  // The generator itself: the one installed by the innermost TRandomScope, else the program's own
  // (seeded from the clock on first use).
  IRandom& Installed();

private:
  friend class TRandomScope;
  friend TRandomSource& Rng();
  // The program's one source, constant-initialised so that a draw made while other files'
  // statics are built finds it.
  static TRandomSource Current;
  IRandom* FInstalled = nullptr;  // nullptr: the program's own, not yet made
  TSeededRandom* FSeeded = nullptr;  // FInstalled when it is a TSeededRandom
};

// Where every draw goes.
inline TRandomSource& Rng() { return TRandomSource::Current; }

// Installs a generator for the lifetime of this object and restores the previous one after.
class TRandomScope {
public:
  explicit TRandomScope(IRandom& generator);
  ~TRandomScope();
  TRandomScope(const TRandomScope&) = delete;
  TRandomScope& operator=(const TRandomScope&) = delete;

private:
  TRandomSource FPrevious;
};

// Reseeds the program's own generator from the clock (done once at start-up).
void SeedRandomFromClock();
