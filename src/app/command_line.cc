#include "app/command_line.h"

#include <CLI/CLI.hpp>

#include "app/run.h"
#include "platform/program_directory.h"

#ifndef COMPILA_VERSIONE
#define COMPILA_VERSIONE "unknown"
#endif

namespace compila {

namespace {

constexpr const char* nome_programma = "compila_scenario";

constexpr const char* descrizione_programma =
    "Compiles a train-driving scenario, a line description and a train description,\n"
    "into the simulator's binary files. Without a command it produces the built-in\n"
    "scenario beside the program.";

constexpr const char* esiti =
    "Exit status:\n"
    "  0  success\n"
    "  1  the compile recorded an anomaly (the files are still written, unless\n"
    "     the line description stopped before its route length)\n"
    "  2  usage error\n"
    "  3  fatal error 1250 or 1251 (no binary file written)\n"
    "  4  a file could not be read or written, or is larger than 64 MiB\n"
    "  6  out of memory\n";

constexpr const char* esiti_ispezione =
    "Exit status:\n"
    "  0  success\n"
    "  2  usage error, or --csv, --svg or --html naming one of the files inspected\n"
    "  4  a file missing, unreadable or not of its kind, or an output not written\n"
    "  6  out of memory\n";

constexpr const char* esiti_osservazione =
    "Exit status:\n"
    "  0  ended with Ctrl-C\n"
    "  2  usage error, or an output that would replace a source\n"
    "  4  the output directory does not exist\n"
    "  5  the page cannot be served (the port is taken, or the server module is\n"
    "     missing)\n"
    "  6  out of memory\n";

class errore_uso : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A name becomes part of file names: it may not be empty nor lead elsewhere.
void controlla_nome(const std::optional<std::string>& nome, const char* opzione) {
  if (!nome) return;
  if (nome->empty()) throw errore_uso(std::string(opzione) + " must not be empty");
  if (nome->find('/') != std::string::npos || nome->find(separatore) != std::string::npos)
    throw errore_uso(std::string(opzione) + " must not contain a directory separator");
}

void controlla_directory(const std::optional<std::string>& directory) {
  if (directory && directory->empty()) throw errore_uso("--output-dir must not be empty");
}

void aggiungi_directory(CLI::App& app, std::optional<std::string>& directory,
                        const std::string& descrizione) {
  app.add_option("--output-dir", directory, descrizione)->type_name("DIR");
}

// The program's options and commands as the parser fills them, before they
// are checked and gathered into opzioni_programma.
struct riga_comando {
  CLI::App app{descrizione_programma, nome_programma};
  CLI::App* esporta = nullptr;
  CLI::App* compila = nullptr;
  CLI::App* ispeziona = nullptr;
  CLI::App* osserva = nullptr;
  std::optional<std::string> directory_esporta, directory_compila, directory_osserva;
  std::optional<std::string> linea_ispezione, treno_ispezione, csv, svg, html_ispezione,
      html_compilazione;
};

void definisci_programma(riga_comando& r, opzioni_programma& o) {
  r.app.set_version_flag("--version", std::string(nome_programma) + " " + COMPILA_VERSIONE,
                         "Print the version and exit");
  r.app.set_help_flag("-h,--help", "Print this help and exit");
  r.app.set_help_all_flag("--help-all", "Print the help of every command and exit");
  r.app.footer(esiti);
  r.app.require_subcommand(0, 1);
  aggiungi_directory(r.app, o.directory_uscita,
                     "Write the built-in scenario's files into DIR instead of beside the program");
}

void definisci_esporta(riga_comando& r) {
  r.esporta = r.app.add_subcommand(
      "export-sources", "Write the built-in line and train descriptions, as templates to edit");
  aggiungi_directory(*r.esporta, r.directory_esporta,
                     "Write them into DIR (default: the current directory)");
}

// The options that name an author's sources and what is compiled from them,
// shared by compile and watch.
void aggiungi_sorgenti(CLI::App& c, opzioni_compilazione& oc) {
  c.add_option("LINE", oc.descrizione_linea, "The line description file")
      ->required()
      ->type_name("FILE");
  c.add_option("TRAIN", oc.descrizione_treno, "The train description file")
      ->required()
      ->type_name("FILE");
  c.add_option("--line-name", oc.nome_linea,
               "Line name for the file names (default: from LINE's name, \"X_linea.txt\" "
               "giving X, else its stem)")
      ->type_name("NAME");
  c.add_option("--train-name", oc.nome_treno,
               "Train name for the file names (default: from TRAIN's name, \"X_Y-.txt\" "
               "giving Y, else its stem without the \"-\" of \"-.txt\")")
      ->type_name("NAME");
}

void definisci_compila(riga_comando& r, opzioni_compilazione& oc) {
  CLI::App* c = r.compila = r.app.add_subcommand(
      "compile", "Compile LINE and TRAIN into the binary files; the sources are left untouched");
  aggiungi_sorgenti(*c, oc);
  aggiungi_directory(*c, r.directory_compila,
                     "Write the binary files into DIR (default: the current directory)");
  c->add_flag("--no-profile", oc.senza_profilo,
              "Build no line drawing and write no line profile file (an existing one is left "
              "untouched)");
  c->add_flag("--json", oc.json, "Print the result as one JSON object on the standard output");
  c->add_option("--html", r.html_compilazione,
                "Write the scenario's page, with the compile's anomalies, to FILE")
      ->type_name("FILE");
  c->footer(esiti);
}

void definisci_osserva(riga_comando& r, opzioni_compilazione& oc, opzioni_watch& ow) {
  CLI::App* w = r.osserva = r.app.add_subcommand(
      "watch",
      "Compile LINE and TRAIN as compile does, serve their page on this machine, and compile "
      "again whenever either is saved; the open page follows. Ctrl-C ends it");
  aggiungi_sorgenti(*w, oc);
  aggiungi_directory(*w, r.directory_osserva,
                     "Write the binary files into DIR (default: the current directory)");
  w->add_option("--port", ow.porta,
                "Serve the page on http://127.0.0.1:N/ (default, or 0: a free port, printed)")
      ->type_name("N")
      ->check(CLI::Range(0, 65535));
  w->add_flag("--no-profile", oc.senza_profilo,
              "Build no line drawing and write no line profile file (an existing one is left "
              "untouched)");
  w->footer(esiti_osservazione);
}

void definisci_ispeziona(riga_comando& r, opzioni_inspect& oi) {
  CLI::App* i = r.ispeziona = r.app.add_subcommand(
      "inspect", "Decode the compiled files in DIR and show the scenario they hold");
  i->add_option("DIR", oi.directory, "Where the files are (default: the current directory)")
      ->type_name("DIR");
  i->add_option("--line-name", r.linea_ispezione,
                "Line name of the file names (default: \"" + nome_linea_incorporata + "\")")
      ->type_name("NAME");
  i->add_option("--train-name", r.treno_ispezione,
                "Train name of the file names (default: \"" + nome_treno_incorporato + "\")")
      ->type_name("NAME");
  i->add_flag("--json", oi.json, "Print the summary as one JSON object");
  i->add_option("--csv", r.csv,
                 "Write one row per cell, every field, to FILE (\"-\": the standard output)")
      ->type_name("FILE");
  i->add_option("--svg", r.svg,
                 "Draw the line's plan and profile into FILE (\"-\": the standard output)")
      ->type_name("FILE");
  i->add_option("--html", r.html_ispezione,
                "Write the scenario's page (plan with pan and zoom, profile, tables) to FILE "
                "(\"-\": the standard output)")
      ->type_name("FILE");
  i->footer(esiti_ispezione);
}

void controlla_ispeziona(const riga_comando& r, opzioni_programma& o) {
  if (o.directory_uscita)
    throw errore_uso("inspect writes no scenario: --output-dir does not apply");
  o.modo = modo_programma::ispeziona;
  opzioni_inspect& oi = o.ispezione;
  if (oi.directory.empty()) throw errore_uso("DIR must not be empty");
  controlla_nome(r.linea_ispezione, "--line-name");
  controlla_nome(r.treno_ispezione, "--train-name");
  if (r.csv && r.csv->empty()) throw errore_uso("--csv needs a file name");
  if (r.svg && r.svg->empty()) throw errore_uso("--svg needs a file name");
  if (r.html_ispezione && r.html_ispezione->empty()) throw errore_uso("--html needs a file name");
  oi.nome_linea = r.linea_ispezione.value_or(oi.nome_linea);
  oi.nome_treno = r.treno_ispezione.value_or(oi.nome_treno);
  oi.csv = r.csv.value_or("");
  oi.svg = r.svg.value_or("");
  oi.html = r.html_ispezione.value_or("");
}

// The command given decides the mode; each option is checked once parsed.
// Throws errore_uso for the first one that is not acceptable.
void scegli_modo(const riga_comando& r, opzioni_programma& o) {
  if (r.esporta->parsed() || r.compila->parsed() || r.osserva->parsed()) {
    if (o.directory_uscita) throw errore_uso("--output-dir goes after the command it applies to");
    if (r.esporta->parsed()) {
      o.directory_uscita = r.directory_esporta;
      o.modo = modo_programma::esporta_sorgenti;
    } else if (r.compila->parsed()) {
      o.directory_uscita = r.directory_compila;
      o.modo = modo_programma::compila;
    } else {
      o.directory_uscita = r.directory_osserva;
      o.modo = modo_programma::osserva;
    }
  }
  if (r.html_compilazione) {
    if (r.html_compilazione->empty()) throw errore_uso("--html needs a file name");
    o.compilazione.html = *r.html_compilazione;
  }
  if (r.ispeziona->parsed()) controlla_ispeziona(r, o);
  controlla_directory(o.directory_uscita);
  controlla_nome(o.compilazione.nome_linea, "--line-name");
  controlla_nome(o.compilazione.nome_treno, "--train-name");
}

}  // namespace

opzioni_programma analizza_riga_comando(int argc, const char* const argv[], std::ostream& out,
                                        std::ostream& err) {
  opzioni_programma o;
  riga_comando r;
  definisci_programma(r, o);
  definisci_esporta(r);
  definisci_compila(r, o.compilazione);
  definisci_ispeziona(r, o.ispezione);
  definisci_osserva(r, o.compilazione, o.osservazione);
  try {
    r.app.parse(argc, argv);
    scegli_modo(r, o);
    return o;
  } catch (const CLI::CallForHelp&) {
    out << r.app.help();
  } catch (const CLI::CallForAllHelp&) {
    out << r.app.help("", CLI::AppFormatMode::All);
  } catch (const CLI::CallForVersion& e) {
    out << e.what() << "\n";
  } catch (const std::exception& e) {
    err << nome_programma << ": " << e.what() << "\n"
        << "Try '" << nome_programma << " --help' for more information.\n";
    o.esito = esito_uso;
  }
  o.modo = modo_programma::esci;
  return o;
}

}  // namespace compila
