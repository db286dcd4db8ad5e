#pragma once

#include <cstdint>

#include "model/cella.h"

namespace compila {

// A maximum-speed board line: two sets of three speeds (km/h) and a count of
// stripes for each set.
struct valori_indicatori {
  int32_t posizione = 0;
  int32_t vas = 0, vbs = 0, vcs = 0, strisces = 0;
  int32_t vad = 0, vbd = 0, vcd = 0, strisced = 0;
};

// Puts the boards into the cell after the one nearest their position, each
// speed pair packed as vd / 5 + vs * 20 (rounded, a half to even) and the
// stripes as strisces * 10 + strisced. Returns false, leaving the cell
// untouched, when the cell holds a point feature other than a tunnel marker.
// A packed value outside 16 bits signed, or a cell outside the array, is a
// failure of the reading.
bool memo_indicatori_v_max(array_celle& celle, const valori_indicatori& b);

}  // namespace compila
