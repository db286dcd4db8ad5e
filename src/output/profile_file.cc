#include "output/profile_file.h"

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

void codifica_elemento(std::string* out, const elemento_profilo& e) {
  aggiungi_fisso16(out, static_cast<uint16_t>(e.tag));
  switch (e.tag) {
    case etichetta::intero: aggiungi_int16(out, e.intero); break;
    case etichetta::reale: aggiungi_double(out, e.reale); break;
    case etichetta::vuoto: break;
  }
}

}  // namespace

std::string codifica_profilo(const profilo_linea& profilo) {
  const int32_t ultimo = profilo.ultimo_metro();
  size_t attesi = 0;
  for (int coordinata = 0; coordinata <= 1; ++coordinata)
    for (int32_t m = 0; m <= ultimo; ++m) attesi += dimensione(profilo(m, coordinata));

  std::string out;
  out.reserve(attesi);
  for (int coordinata = 0; coordinata <= 1; ++coordinata)
    for (int32_t m = 0; m <= ultimo; ++m) codifica_elemento(&out, profilo(m, coordinata));
  verifica_dimensione("the line profile file", out.size(), attesi);
  return out;
}
