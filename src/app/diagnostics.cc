#include "app/diagnostics.h"

#include <string>

#include "compiler/scenario_codes.h"

namespace compila {

const char* nome_origine(origine_anomalia origine) {
  switch (origine) {
    case origine_anomalia::descrizione_linea: return "line";
    case origine_anomalia::descrizione_treno: return "train";
    case origine_anomalia::celle: return "completion";
  }
  return "line";
}

const std::string& file_da_correggere(const anomalia& a, const file_autore& file) {
  if (a.codice == codice_anomalia::progressiva_fuori_griglia ||
      a.origine == origine_anomalia::descrizione_linea)
    return file.linea;
  return file.treno;
}

std::string riga_diagnostica(const anomalia& a, const file_autore& file) {
  std::string riga = file_da_correggere(a, file);
  if (a.riga > 0) {
    riga += ':';
    riga += std::to_string(a.riga);
  }
  riga += ": anomaly " + std::to_string(numero(a.codice));
  if (a.posizione) riga += " at " + std::to_string(*a.posizione) + " m";
  return riga + ": " + messaggio_anomalia(a);
}

std::string messaggio_errore_fatale(int32_t errore) {
  switch (errore) {
    case errore_marcatori:
      return "error 1250: track cell 1 (metres 50 to 99) must stay clear for the marker value, "
             "but a feature placed there set its first value; move the feature away from the "
             "start of the line";
    case errore_codici:
      return "error 1251: track cell 1 (metres 50 to 99) must stay clear for the scenario "
             "code, but a feature placed there set its second value; move the feature away from "
             "the start of the line";
  }
  return "error " + std::to_string(errore);
}

}  // namespace compila
