#include "compiler/memo_segnale.h"

#include <array>

#include "compiler/cell_positions.h"
#include "compiler/narrowing.h"

namespace compila {

namespace {

// Times from 1 to 100 are raised to 101; the others stay.
int64_t tempo_segnale(int64_t tempo) { return (tempo >= 1 && tempo <= 100) ? 101 : tempo; }

}  // namespace

codice_anomalia memo_segnale(array_celle& celle, const valori_segnale& s) {
  const int64_t c = cella_di_punto(s.posizione);
  cella& cs = cella_esistente(celle, c, "a signal");
  if (!cella_libera(cs)) return codice_anomalia::segnale_su_cella_occupata;

  // Every value is formed and checked before the first write.
  const int64_t lati = int64_t{s.sx} * 3 + s.dx;
  const int16_t dato_4 = in_int16(int64_t{s.rapp} * 10 + lati, "values 2, 6 and 7 of a signal line");
  const int16_t dato_1 = in_int16(int64_t{s.s1} * 10 + s.d1, "values 3 and 8 of a signal line");
  const int16_t dato_2 = in_int16(int64_t{s.s2} * 10 + s.d2, "values 4 and 9 of a signal line");
  const int16_t dato_3 = in_int16(int64_t{s.s3} * 10 + s.d3, "values 5 and 10 of a signal line");
  const uint8_t tempo =
      s.sx == 2 ? in_byte(tempo_segnale(s.tempo), "the time (value 11) of a signal line") : 0;
  std::array<uint8_t, 4> avvicinamento{};
  for (int b = 1; b <= 4; ++b)
    avvicinamento[b - 1] = in_byte(lati * 10 + b, "the kinds (values 2 and 7) of a signal line");

  cs.tipo_cella = tipo::segnale;
  cs.dato_4 = dato_4;
  cs.dato_1 = dato_1;
  cs.dato_2 = dato_2;
  cs.dato_3 = dato_3;
  cs.tempo = tempo;
  for (int b = 1; b <= 4; ++b) {
    const int64_t k = c - 2 * b;
    if (k >= 0) celle[k].avvicinamento = avvicinamento[b - 1];
  }
  return codice_anomalia::nessuna;
}

}  // namespace compila
