#include "game/random.h"

#include <chrono>

namespace {

std::uint64_t ClockSeed() {
  return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
         static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

TSeededRandom& ProgramRandom() {
  static TSeededRandom generator(ClockSeed());
  return generator;
}

}  // namespace

constinit TRandomSource TRandomSource::Current;

TSeededRandom::TSeededRandom(std::uint64_t seed) { Seed(seed); }

void TSeededRandom::Seed(std::uint64_t seed) {
  // Spread the seed with splitmix64 so that small seeds give unrelated sequences; the state
  // of xorshift must never be 0.
  std::uint64_t z = seed + 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  z ^= z >> 31;
  FState = z != 0 ? z : 0x2545F4914F6CDD1Dull;
}

TScriptedRandom::TScriptedRandom(std::uint64_t fallbackSeed) : FFallback(fallbackSeed) {}

void TScriptedRandom::PushInt(int value) { FInts.push_back(value); }

void TScriptedRandom::PushReal(double value) { FReals.push_back(value); }

int TScriptedRandom::Random(int n) {
  ++FDraws;
  if (FInts.empty()) return FFallback.Random(n);
  const int value = FInts.front();
  FInts.pop_front();
  if (n <= 1) return 0;
  const int reduced = value % n;
  return reduced < 0 ? reduced + n : reduced;
}

double TScriptedRandom::RandomReal() {
  ++FDraws;
  if (FReals.empty()) return FFallback.RandomReal();
  const double value = FReals.front();
  FReals.pop_front();
  return value;
}

IRandom& TRandomSource::Installed() {
  if (FInstalled == nullptr) {
    FSeeded = &ProgramRandom();
    FInstalled = FSeeded;
  }
  return *FInstalled;
}

TRandomScope::TRandomScope(IRandom& generator) : FPrevious(Rng()) {
  TRandomSource& source = Rng();
  source.FInstalled = &generator;
  source.FSeeded = dynamic_cast<TSeededRandom*>(&generator);
}

TRandomScope::~TRandomScope() { Rng() = FPrevious; }

void SeedRandomFromClock() { ProgramRandom().Seed(ClockSeed()); }
