#include "output/profile_file.h"

#include <bit>

#include "output/coding.h"

namespace {

using etichetta = elemento_profilo::etichetta;

size_t dimensione(const elemento_profilo& e) {
  switch (e.tag) {
    case etichetta::intero: return dimensione_elemento_intero;
    case etichetta::reale: return dimensione_elemento_reale;
    case etichetta::vuoto: break;
  }
  return dimensione_elemento_vuoto;
}

char* codifica_elemento(char* p, const elemento_profilo& e) {
  p = codifica_fisso16(p, static_cast<uint16_t>(e.tag));
  switch (e.tag) {
    case etichetta::intero: return codifica_fisso16(p, static_cast<uint16_t>(e.intero));
    case etichetta::reale: return codifica_fisso64(p, std::bit_cast<uint64_t>(e.reale));
    case etichetta::vuoto: break;
  }
  return p;
}

}  // namespace

std::string codifica_profilo(const profilo_linea& profilo) {
  size_t attesi = 0;
  for (int c = 0; c <= 1; ++c)
    for (int32_t m = 0; m <= profilo.ultimo_metro(); ++m) attesi += dimensione(profilo(m, c));

  std::string out(attesi, '\0');
  char* const inizio = out.data();
  char* p = inizio;
  for (int c = 0; c <= 1; ++c)
    for (int32_t m = 0; m <= profilo.ultimo_metro(); ++m) p = codifica_elemento(p, profilo(m, c));
  verifica_dimensione("the line profile file", static_cast<size_t>(p - inizio), attesi);
  return out;
}
