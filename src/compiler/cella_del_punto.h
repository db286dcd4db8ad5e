#pragma once

#include <cstdint>

#include "compiler/numeri.h"
#include "model/cella.h"

// Cells are 50 m long; cell k covers the metres 50k to 50k + 49.

// The cell that starts at position p: p / 50, rounded half to even.
inline int64_t cella_della_posizione(int64_t p) {
  return dividi_arrotondando(p, lunghezza_cella);
}

// The cell of a point feature at position p: p / 50 + 1, rounded half to
// even. Formed as (p + 50) / 50 so that the tie goes to the even neighbour of
// the whole quotient, not of p / 50.
inline int64_t cella_del_punto(int64_t p) {
  return dividi_arrotondando(p + lunghezza_cella, lunghezza_cella);
}

inline bool cella_esiste(const array_celle& celle, int64_t indice) {
  return indice >= 0 && indice < static_cast<int64_t>(celle.size());
}
