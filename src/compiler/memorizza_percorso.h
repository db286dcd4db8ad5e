#pragma once

#include <cstdint>

#include "compiler/compile_state.h"
#include "compiler/source_texts.h"

namespace compila {

// What a compile leaves for its caller besides the compiled structures.
struct esito_compilazione {
  // False when the reader stopped before the route length was known: there
  // are no cells, and nothing may be written.
  bool celle_create = false;
  // 1250 or 1251 when a stamp slot was not clear; the caller reports it and
  // writes no binary file.
  int32_t errore_fatale = 0;
  fine_lettura lettura = fine_lettura::linea_fermata;
};

// Compiles the two sources into c, which starts afresh but for its two
// names, so one object may compile many times: clears the table, reads both
// descriptions, completes the signalling and stamps the markers and codes.
// j not 0 also builds the line drawing. Anomalies are recorded in c.stato and
// do not stop the compile. Reads, writes and deletes no file: the caller
// hands it the sources' bytes and writes what it built.
esito_compilazione memorizza_percorso(compilazione& c, int32_t j, const testi_sorgenti& s);

}  // namespace compila
