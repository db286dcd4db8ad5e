#include "compiler/cell_positions.h"

#include <string>

#include "compiler/narrowing.h"
#include "model/rounding.h"

namespace compila {

int64_t cella_di_profilo(int64_t p) { return dividi_arrotondando(p, lunghezza_cella); }

int64_t cella_di_punto(int64_t p) { return dividi_arrotondando(p + lunghezza_cella, lunghezza_cella); }

cella& cella_esistente(array_celle& celle, int64_t indice, const char* cosa) {
  if (indice < 0 || indice >= static_cast<int64_t>(celle.size()))
    throw errore_lettura(std::string(cosa) + " falls on cell " + std::to_string(indice) +
                         ", outside the track cells 0 to " +
                         std::to_string(int64_t(celle.size()) - 1) + ": keep it within the route");
  return celle[static_cast<size_t>(indice)];
}

}  // namespace compila
