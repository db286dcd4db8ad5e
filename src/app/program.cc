#include "app/program.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <new>

#include "app/command_line.h"
#include "app/compile_mode.h"
#include "app/error_record.h"
#include "app/export_mode.h"
#include "app/inspect_mode.h"
#include "app/run.h"
#include "app/status.h"
#include "app/watch_mode.h"

namespace compila {

namespace {

// Without --output-dir the built-in run writes beside the program, as it
// always has; an installed copy would fill a system directory with them.
int scenario_incorporato(const opzioni_programma& o, piattaforma& p) {
  if (!directory_uscita_esiste(p.fs, o.directory_uscita, p.err)) return esito_errore_file;
  if (!o.directory_uscita && directory_di_sistema(p.directory_programma)) {
    p.err << prefisso << "the program is installed in " << p.directory_programma
          << ", where the built-in run would leave its files; give --output-dir DIR to "
             "choose where they go\n";
    return esito_errore_file;
  }
  std::unique_ptr<user_interface> ui = p.apri_interfaccia();
  ambiente_esecuzione amb{p.fs, *ui, o.directory_uscita.value_or(p.directory_programma), p.err};
  if (!o.directory_uscita)
    amb.dopo_errore_scrittura = " (the files go beside the program: give --output-dir DIR to "
                                "write them elsewhere)";
  return esegui_scenario(amb);
}

int esegui_modo(const opzioni_programma& o, piattaforma& p) {
  switch (o.modo) {
    case modo_programma::scenario_incorporato: return scenario_incorporato(o, p);
    case modo_programma::esporta_sorgenti: return esegui_esporta(o.directory_uscita, p.fs, p.out, p.err);
    case modo_programma::compila:
      return esegui_compila(o.compilazione, o.directory_uscita, p.fs, p.out, p.err);
    case modo_programma::ispeziona: return esegui_inspect(o.ispezione, p.fs, p.out, p.err);
    case modo_programma::osserva:
      return esegui_watch(o.compilazione, o.osservazione, o.directory_uscita, p.fs,
                          p.directory_programma, p.out, p.err);
    case modo_programma::esci: return o.esito;
  }
  return o.esito;
}

// Whether the standard output owes one JSON object: asked for with --json,
// also on a command line the parser refused.
bool chiede_json(const opzioni_programma& o, int argc, const char* const argv[]) {
  if (o.modo == modo_programma::compila) return o.compilazione.json;
  if (o.modo == modo_programma::ispeziona) return o.ispezione.json;
  if (o.modo != modo_programma::esci || o.esito != esito_uso) return false;
  return std::any_of(argv + 1, argv + argc,
                     [](const char* a) { return std::strcmp(a, "--json") == 0; });
}

}  // namespace

int esegui_programma(int argc, const char* const argv[], piattaforma& p) {
  registro_errori err(p.err);
  piattaforma q{p.fs, p.apri_interfaccia, p.directory_programma, p.out, err};
  opzioni_programma o;
  int esito = esito_senza_memoria;
  // No input ends the program by an uncaught exception: whatever escapes a
  // command is said, and the status tells it from every other outcome.
  try {
    o = analizza_riga_comando(argc, argv, q.out, q.err);
    esito = esegui_modo(o, q);
  } catch (const std::bad_alloc&) {
    q.err << prefisso << messaggio_senza_memoria << "\n";
  } catch (const std::exception& e) {
    q.err << prefisso << "unexpected failure: " << e.what() << "\n";
  }
  // A usage or file error, or a failure, prints nothing else on the standard
  // output.
  if ((esito == esito_uso || esito == esito_errore_file || esito == esito_senza_memoria) &&
      chiede_json(o, argc, argv))
    p.out << errore_json(err.ultimo_messaggio(), esito);
  return esito;
}

}  // namespace compila
