#include "compiler/memo_indicatori_v_max.h"

#include "compiler/cell_positions.h"
#include "compiler/narrowing.h"
#include "model/rounding.h"

namespace compila {

namespace {

// vd / 5 + vs * 20 is (vd + vs * 100) / 5.
int16_t coppia(int32_t vs, int32_t vd) {
  return in_int16(dividi_arrotondando(int64_t{vd} + int64_t{vs} * 100, 5), "speed pair");
}

}  // namespace

bool memo_indicatori_v_max(array_celle& celle, const valori_indicatori& b) {
  cella& cl = cella_esistente(celle, cella_di_punto(b.posizione), "A speed board");
  if (!cella_libera(cl)) return false;

  int16_t dato_1 = coppia(b.vas, b.vad);
  int16_t dato_2 = coppia(b.vbs, b.vbd);
  int16_t dato_3 = coppia(b.vcs, b.vcd);
  int16_t dato_4 = in_int16(int64_t{b.strisces} * 10 + b.strisced, "stripes");

  cl.tipo_cella = tipo::indicatori_v_max;
  cl.dato_1 = dato_1;
  cl.dato_2 = dato_2;
  cl.dato_3 = dato_3;
  cl.dato_4 = dato_4;
  return true;
}

}  // namespace compila
