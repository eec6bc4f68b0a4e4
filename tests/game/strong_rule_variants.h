#pragma once

#include "game/option_table.h"

// The rules the strong computer's models are tried under, each a change to the defaults.
using TRules = void (*)(TGameOptions&);

inline void House(TGameOptions&) {}
inline void OpenBarrel(TGameOptions& o) { o.BARRELSTYPE = 2; }
// Bolts in the holes, before entering and on the barrel, and a dearer fall.
inline void StrictBolts(TGameOptions& o) {
  o.ISBOLTSINHOLES = true;
  o.ISBOLTSBEFOREENTER = true;
  o.ISBOLTSONBARREL = true;
  o.BARRELSDOWNSCORE = 150;
}
