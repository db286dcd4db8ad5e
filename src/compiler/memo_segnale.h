#pragma once

#include <cstdint>

#include "model/anomaly.h"
#include "model/cella.h"

namespace compila {

// The values of one "segnale" line, in the order they are written.
struct valori_segnale {
  int32_t posizione = 0;
  int32_t sx = 0;
  int32_t s1 = 0;
  int32_t s2 = 0;
  int32_t s3 = 0;
  int32_t rapp = 0;
  int32_t dx = 0;
  int32_t d1 = 0;
  int32_t d2 = 0;
  int32_t d3 = 0;
  int32_t tempo = 0;
};

// Places a signal in the cell after the one that starts at its position, with
// the left and right values packed in decimal pairs, and marks the four
// approach cells 100, 200, 300 and 400 m before it (those below cell 0 are
// skipped). Returns nessuna, or segnale_su_cella_occupata with nothing
// written. A packed value that does not fit its field, or a signal cell
// outside the cells, throws errore_lettura before anything is written.
codice_anomalia memo_segnale(array_celle& celle, const valori_segnale& s);

}  // namespace compila
