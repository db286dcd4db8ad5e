#pragma once

#include <cstdint>
#include <string>

#include "model/compile_status.h"

namespace compila {

// The author's two files, as named on the command line.
struct file_autore {
  std::string linea;
  std::string treno;
};

// "line", "train" or "completion".
const char* nome_origine(origine_anomalia origine);

// The file an author edits to remove the anomaly: the line description for
// what the line reading met and for the kilometre-marking sections (code 2);
// the train description for the rest, the completion's anomalies included,
// since they concern its signals and slowdowns.
const std::string& file_da_correggere(const anomalia& a, const file_autore& file);

// "FILE:LINE: anomaly CODE at POS m: MESSAGE"; ":LINE" is left out where no
// source line applies and " at POS m" for codes that record no position.
std::string riga_diagnostica(const anomalia& a, const file_autore& file);

// Why the compile ended with fatal error 1250 or 1251.
std::string messaggio_errore_fatale(int32_t errore);

}  // namespace compila
