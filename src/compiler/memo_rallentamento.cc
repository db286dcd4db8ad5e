#include "compiler/memo_rallentamento.h"

#include "compiler/cell_positions.h"
#include "compiler/narrowing.h"

namespace compila {

namespace {

void segna(cella& c, uint8_t tipo_cella, int16_t d_v) {
  c.tipo_cella = tipo_cella;
  if (d_v != 0) c.dato_2 = d_v;
}

}  // namespace

codice_anomalia memo_rallentamento(array_celle& celle, const valori_rallentamento& r) {
  const bool con_avviso = r.x > inizio_minimo_avviso;
  const int64_t a = cella_di_punto(int64_t{r.x} - distanza_avviso);
  const int64_t s = cella_di_punto(r.x);
  const int64_t e = cella_di_punto(int64_t{r.x} + r.l);
  // The three cells one after the other, board, start, end, each first
  // found and then tested: a taken board or start is reported even when the
  // end falls outside the cells.
  if (con_avviso && !cella_libera(cella_esistente(celle, a, "a slowdown's warning board")))
    return codice_anomalia::avviso_su_cella_occupata;
  if (!cella_libera(cella_esistente(celle, s, "a slowdown's start")))
    return codice_anomalia::inizio_su_cella_occupata;
  if (!cella_libera(cella_esistente(celle, e, "a slowdown's end")))
    return codice_anomalia::fine_su_cella_occupata;
  const int16_t v = in_int16(r.v, "speed of a slowdown");
  const int16_t d_v = in_int16(r.d_v, "value 6 of a slowdown line");
  const int16_t f_tt = in_int16(r.f_tt, "value 4 of a slowdown line");

  // End before start, so that a slowdown too short to span two cells leaves
  // its one cell as a start.
  segna(celle[e], tipo::fine_rallentamento, d_v);
  segna(celle[s], tipo::inizio_rallentamento, d_v);
  if (con_avviso) {
    segna(celle[a], tipo::avviso_rallentamento, d_v);
    celle[a].dato_1 = v;
  }
  celle[s].dato_1 = v;
  celle[e].dato_1 = v;
  celle[s].dato_3 = f_tt;
  celle[e].dato_3 = f_tt;

  if (!con_avviso || r.f_ta == 0) return codice_anomalia::nessuna;
  // The four cells just before the board's cell, the nearest first.
  const int64_t h = cella_di_profilo(int64_t{r.x} - distanza_avviso);
  for (int i = 0; i < 4; ++i)
    if (!cella_libera(cella_esistente(celle, h - i, "a warning board's approach")))
      return codice_anomalia::approccio_su_cella_occupata;
  for (int i = 0; i < 4; ++i) {
    cella& ci = celle[h - i];
    ci.tipo_cella = tipo::approccio_avviso;
    ci.dato_1 = static_cast<int16_t>(i + 1);
    if (d_v != 0) ci.dato_2 = static_cast<int16_t>(i + 1);
  }
  return codice_anomalia::nessuna;
}

}  // namespace compila
