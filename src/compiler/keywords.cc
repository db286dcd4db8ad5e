#include "compiler/keywords.h"

namespace compila {

std::string minuscolo(std::string_view testo) {
  std::string out(testo);
  for (char& ch : out)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  return out;
}

bool contiene(std::string_view campo, std::string_view parola) {
  return campo.find(parola) != std::string_view::npos;
}

bool contiene_ci(std::string_view campo, std::string_view parola) {
  return contiene(minuscolo(campo), minuscolo(parola));
}

bool leggi_parola_chiave(lettore_campi& campi, int salti, std::string* chiave) {
  for (int saltati = 0;; ++saltati) {
    *chiave = campi.leggi_testo();
    if (campi.fine()) return false;
    if (saltati == salti || !contiene(*chiave, "-")) return true;
  }
}

}  // namespace compila
