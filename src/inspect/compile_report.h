#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace compila {

// One anomaly as the author reads it: the file to edit and its line, the
// code, where on the line, which part of the compile met it, and what is
// wrong.
struct anomalia_segnalata {
  std::string file;
  std::optional<int> riga;
  int32_t codice = 0;
  std::optional<int32_t> posizione;
  std::string origine;  // "line", "train" or "completion"
  std::string messaggio;
};

// The compile a page was made after, for the page to show: its number in a
// series of compiles (1 for a single one), when it ended, the two sources,
// whether it gave a new scenario (binary files written), the fatal error, the
// messages that are not anomalies, and the anomalies.
struct resoconto_compilazione {
  int generazione = 1;
  std::string ora;  // "hh:mm:ss"
  std::string file_linea;
  std::string file_treno;
  bool ok = true;
  std::optional<int32_t> errore_fatale;
  std::vector<std::string> errori;
  std::vector<anomalia_segnalata> anomalie;
};

}  // namespace compila
