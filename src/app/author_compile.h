#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "compiler/compile_state.h"
#include "inspect/compile_report.h"
#include "platform/file_system.h"

namespace compila {

// One compile of an author's two sources, as `compile` and `watch` do it.
struct compilazione_autore {
  int esito = esito_ok;  // the exit status it stands for
  bool sorgenti_lette = false;  // false: a source could not be read, nothing was compiled
  // True when the binary files were written: the compile gave a new scenario.
  bool scenario_nuovo = false;
  int32_t errore_fatale = 0;
  std::vector<std::string> errori;   // the error stream's lines that are not anomalies
  std::vector<std::string> scritti;  // the binary files written, in order
  compilazione c;
};

// Reads the two sources (only reads them), compiles them and writes the
// binary files into the directory (the current one when none is given),
// named by the usual rule. Every anomaly goes to err as one
// "FILE:LINE: anomaly CODE at POS m: MESSAGE" line, every other failure as a
// line that is also kept in errori.
compilazione_autore compila_sorgenti_autore(const opzioni_compilazione& o,
                                            const std::optional<std::string>& directory,
                                            file_system& fs, std::ostream& err);

// The binary files a compile of these sources writes.
percorsi_binari binari_autore(const opzioni_compilazione& o,
                              const std::optional<std::string>& directory);

// True, having said so on err, when an output (a binary file, or the page
// when one is asked for) would replace one of the sources.
bool uscita_su_sorgente(file_system& fs, const opzioni_compilazione& o,
                        const std::optional<std::string>& directory, std::ostream& err);

// The compile as its page shows it: the anomalies with the file to edit.
resoconto_compilazione resoconto(const opzioni_compilazione& o, const compilazione_autore& a,
                                 int generazione, const std::string& ora);

// The local time of day, "hh:mm:ss".
std::string ora_del_giorno();

}  // namespace compila
