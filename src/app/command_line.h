#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "app/inspect_mode.h"
#include "app/status.h"

namespace compila {

// What the command line asks for.
enum class modo_programma {
  scenario_incorporato,  // no command: the built-in run
  esporta_sorgenti,      // export-sources
  compila,               // compile LINE TRAIN
  ispeziona,             // inspect [DIR]
  osserva,               // watch LINE TRAIN
  esci,                  // --help, --version or a usage error: just exit
};

struct opzioni_compilazione {
  std::string descrizione_linea;  // the author's files, as given
  std::string descrizione_treno;
  std::optional<std::string> nome_linea;  // names given with --line-name / --train-name
  std::optional<std::string> nome_treno;
  bool senza_profilo = false;  // --no-profile: no line drawing, no line profile file
  bool json = false;
  std::string html;  // when not empty, the page goes to this file
};

struct opzioni_watch {
  std::optional<int> porta;  // --port; none: a free one
};

struct opzioni_programma {
  modo_programma modo = modo_programma::scenario_incorporato;
  std::optional<std::string> directory_uscita;  // --output-dir
  opzioni_compilazione compilazione;
  opzioni_inspect ispezione;
  opzioni_watch osservazione;  // with `compilazione` for the sources and their names
  int esito = 0;  // for modo_programma::esci: the exit status
};

// Parses argv (argv[0] is the program). --help and --version are
// written to out (status 0); a usage error is explained on err (status 2).
opzioni_programma analizza_riga_comando(int argc, const char* const argv[], std::ostream& out,
                                        std::ostream& err);

}  // namespace compila
