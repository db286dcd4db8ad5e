#include "sources/field_format.h"

namespace compila {

namespace {

std::string virgola_e_blank(int blank) {
  std::string pezzo(1, ',');
  pezzo.append(static_cast<size_t>(blank > 0 ? blank : 0), ' ');
  return pezzo;
}

}  // namespace

std::string dopo_blank(int blank, std::string_view valore) {
  std::string pezzo = virgola_e_blank(blank);
  pezzo.append(valore);
  return pezzo;
}

std::string dopo_blank(int blank, int32_t valore) {
  return dopo_blank(blank, std::to_string(valore));
}

std::string in_colonna(int larghezza, int32_t valore) {
  std::string cifre = std::to_string(valore);
  std::string pezzo = virgola_e_blank(larghezza - static_cast<int>(cifre.size()));
  pezzo.append(cifre);
  return pezzo;
}

}  // namespace compila
