#pragma once

#include <cstdint>

#include "model/anomaly.h"
#include "model/cella.h"

namespace compila {

// The values of one "rallentamento" line: start x (m), speed v (km/h),
// length l (m), f_tt, f_ta (nonzero asks for the board's approach cells), d_v.
struct valori_rallentamento {
  int32_t x = 0;
  int32_t v = 0;
  int32_t l = 0;
  int32_t f_tt = 0;
  int32_t f_ta = 0;
  int32_t d_v = 0;
};

// Slowdowns starting within this distance of the origin get no warning board.
inline constexpr int32_t inizio_minimo_avviso = 1500;
// The warning board stands this far before the start.
inline constexpr int32_t distanza_avviso = 1200;

// Places a slowdown's end, start and (past 1500 m) warning board and, when
// f_ta asks, the four approach cells before the board. Returns nessuna or the
// fault: the board, start or end cell taken (nothing written), or an approach
// cell taken (end, start and board stay written). The cells are found and
// tested in the order board, start, end: one outside the cells, met before a
// taken one, throws errore_lettura, as does a value that does not fit 16
// bits; nothing is written then.
codice_anomalia memo_rallentamento(array_celle& celle, const valori_rallentamento& r);

}  // namespace compila
