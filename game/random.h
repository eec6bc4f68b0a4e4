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
// reproduces a whole simulated game.
class TSeededRandom final : public IRandom {
public:
  explicit TSeededRandom(std::uint64_t seed);
  void Seed(std::uint64_t seed);
  int Random(int n) override;
  double RandomReal() override;

private:
  std::uint64_t Next();
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

// The generator every draw goes to: the one installed by the innermost TRandomScope, else
// the program's own (seeded from the clock on first use).
IRandom& Rng();

// Installs a generator for the lifetime of this object and restores the previous one after.
class TRandomScope {
public:
  explicit TRandomScope(IRandom& generator);
  ~TRandomScope();
  TRandomScope(const TRandomScope&) = delete;
  TRandomScope& operator=(const TRandomScope&) = delete;

private:
  IRandom* FPrevious;
};

// Reseeds the program's own generator from the clock (done once at start-up).
void SeedRandomFromClock();
