#include "compiler/gradient_placement.h"

#include "compiler/cell_positions.h"
#include "compiler/narrowing.h"

namespace compila {

namespace {

void scrivi_precedente(array_celle& celle, pendenze& stato) {
  uint8_t valore = in_byte(int64_t{stato.precedente} + 100, "pendenza");
  cella_esistente(celle, stato.cursore, "A gradient").pendenza = valore;
  ++stato.cursore;
}

}  // namespace

void posa_pendenza(array_celle& celle, pendenze& stato, int32_t p, int32_t g) {
  int64_t c = cella_di_profilo(p);
  if (c > 0) {
    do {
      scrivi_precedente(celle, stato);
    } while (stato.cursore < c);
  }
  stato.precedente = g;
}

void completa_pendenze(array_celle& celle, pendenze& stato) {
  int64_t ultima = static_cast<int64_t>(celle.size()) - 1;
  do {
    scrivi_precedente(celle, stato);
  } while (stato.cursore < ultima - 2);
}

}  // namespace compila
