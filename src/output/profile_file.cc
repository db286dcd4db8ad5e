#include "output/profile_file.h"

#include <bit>

#include "output/coding.h"

namespace {

using etichetta = elemento_profilo::etichetta;

size_t dimensione(etichetta tag) {
  switch (tag) {
    case etichetta::intero: return dimensione_elemento_intero;
    case etichetta::reale: return dimensione_elemento_reale;
    case etichetta::vuoto: break;
  }
  return dimensione_elemento_vuoto;
}

// An integer element holds a 16-bit value, exact as a double.
char* codifica_elemento(char* p, etichetta tag, double valore) {
  p = codifica_fisso16(p, static_cast<uint16_t>(tag));
  switch (tag) {
    case etichetta::intero:
      return codifica_fisso16(p, static_cast<uint16_t>(static_cast<int16_t>(valore)));
    case etichetta::reale: return codifica_fisso64(p, std::bit_cast<uint64_t>(valore));
    case etichetta::vuoto: break;
  }
  return p;
}

}  // namespace

std::string codifica_profilo(const profilo_linea& profilo) {
  size_t attesi = 0;
  for (int c = 0; c <= 1; ++c)
    for (etichetta tag : profilo.etichette(c)) attesi += dimensione(tag);

  std::string out(attesi, '\0');
  char* const inizio = out.data();
  char* p = inizio;
  for (int c = 0; c <= 1; ++c) {
    const std::vector<etichetta>& tag = profilo.etichette(c);
    const std::vector<double>& valore = profilo.valori(c);
    for (size_t m = 0; m < tag.size(); ++m) p = codifica_elemento(p, tag[m], valore[m]);
  }
  verifica_dimensione("the line profile file", static_cast<size_t>(p - inizio), attesi);
  return out;
}
