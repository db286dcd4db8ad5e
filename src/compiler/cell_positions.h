#pragma once

#include <cstdint>

#include "model/cella.h"

namespace compila {

// Cell from which a stepwise profile starting at metre p holds: p / 50 rounded,
// a half going to the even neighbour.
int64_t cella_di_profilo(int64_t p);

// Cell that receives a point feature at metre p: p / 50 + 1 rounded, a half
// going to the even neighbour (a board at 75 m lands in cell 2).
int64_t cella_di_punto(int64_t p);

// An item at metre p must lie inside the cells with `margine` metres to
// spare (100 m, 800 m for a station): beyond, when p + margine passes the
// start of the last cell. Exact, not rounded.
inline constexpr int64_t margine_voce = 100;
inline constexpr int64_t margine_stazione = 800;
inline bool oltre_le_celle(int64_t p, int64_t margine, int64_t ultima_cella) {
  return p + margine > int64_t{lunghezza_cella} * ultima_cella;
}

// The cell at that index; an index outside the cells is a failure of the
// reading, never a write outside the array.
cella& cella_esistente(array_celle& celle, int64_t indice, const char* cosa);

}  // namespace compila
