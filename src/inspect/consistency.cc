#include "inspect/consistency.h"

#include <cstdint>

namespace compila {

bool controlla_coerenza(const scenario_compilato& s, const percorsi_binari& nomi,
                        std::string* err) {
  const int64_t lunghezza = s.tabella[voce::generale_treno].valore_2;
  if (lunghezza <= 0) {
    *err = nomi.tabella + " records a route length of " + std::to_string(lunghezza) + " m";
    return false;
  }
  const int64_t ultimo_metro = ultimo_metro_percorso(lunghezza);
  const int64_t celle = numero_celle_percorso(lunghezza);
  if (static_cast<int64_t>(s.celle.size()) != celle) {
    *err = nomi.celle + " holds " + std::to_string(s.celle.size()) + " cells, but the route of " +
           std::to_string(lunghezza) + " m needs " + std::to_string(celle);
    return false;
  }
  if (s.con_disegno() && s.profilo.ultimo_metro() != ultimo_metro) {
    *err = nomi.profilo_linea + " draws metres 0 to " + std::to_string(s.profilo.ultimo_metro()) +
           ", but the route of " + std::to_string(lunghezza) + " m needs 0 to " +
           std::to_string(ultimo_metro);
    return false;
  }
  return true;
}

}  // namespace compila
