#include "inspect/consistency.h"

#include <cstdint>

namespace compila {

bool controlla_lunghezza(const tabella_scenario& tabella, const std::string& nome_tabella,
                         std::string* err) {
  const int32_t lunghezza = tabella[voce::generale_treno].valore_2;
  if (lunghezza > 0 && lunghezza <= lunghezza_massima) return true;
  *err = nome_tabella + " records a route length of " + std::to_string(lunghezza) + " m";
  if (lunghezza > 0)
    *err += ", longer than the " + std::to_string(lunghezza_massima) + " m a compile accepts";
  return false;
}

bool controlla_coerenza(const scenario_compilato& s, const percorsi_binari& nomi,
                        std::string* err) {
  if (!controlla_lunghezza(s.tabella, nomi.tabella, err)) return false;
  const int64_t lunghezza = s.tabella[voce::generale_treno].valore_2;
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
