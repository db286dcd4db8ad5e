#include "inspect/cell_csv.h"

#include <cstdio>

namespace compila {

std::string celle_csv(const array_celle& celle) {
  std::string out =
      "cell,start_m,tipo_cella,dato_1,dato_2,dato_3,dato_4,tempo,avvicinamento,montagna,"
      "limite,pendenza,aderenza,limit_kmh,gradient_per_mille\n";
  char riga[160];
  for (size_t k = 0; k < celle.size(); ++k) {
    const cella& c = celle[k];
    std::snprintf(riga, sizeof riga, "%zu,%zu,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d,%d\n", k,
                  k * lunghezza_cella, c.tipo_cella, c.dato_1, c.dato_2, c.dato_3, c.dato_4,
                  c.tempo, c.avvicinamento, c.montagna, c.limite, c.pendenza, c.aderenza,
                  c.limite * 5, c.pendenza - 100);
    out += riga;
  }
  return out;
}

}  // namespace compila
