#include "sources/field_format.h"

std::string dopo_blank(int blank, std::string_view valore) {
  std::string pezzo = "," + std::string(blank, ' ');
  pezzo += valore;
  return pezzo;
}

std::string dopo_blank(int blank, int32_t valore) {
  return dopo_blank(blank, std::to_string(valore));
}

std::string in_colonna(int larghezza, int32_t valore) {
  std::string cifre = std::to_string(valore);
  int blank = larghezza - static_cast<int>(cifre.size());
  return "," + std::string(blank > 0 ? blank : 0, ' ') + cifre;
}
