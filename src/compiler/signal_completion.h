#pragma once

#include "compiler/compile_state.h"

namespace compila {

// Adds the code-change cells (type 12, value 180) that the train description
// does not list itself, in one forward pass over the cells:
//  - before every signal up to 20 cells before a slowdown's warning board;
//  - in three look-back groups (5-7, 11-13, 18-20 cells) before every
//    slowdown start;
//  - every 8 cells inside a slowdown slower than 110 km/h;
//  - just before the first signal within 12 cells after a slowdown's end.
// A placement that finds no free cell records anomaly 11, 12 or 13 at the
// cell's position and the pass goes on. Does nothing when there are no cells.
// Never reads or writes outside the array and allocates nothing of its own.
void completa_segnali(compilazione& c);

}  // namespace compila
