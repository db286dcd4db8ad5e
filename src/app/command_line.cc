#include "app/command_line.h"

#include <CLI/CLI.hpp>

#include "app/run.h"
#include "platform/program_directory.h"

#ifndef COMPILA_VERSIONE
#define COMPILA_VERSIONE "unknown"
#endif

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
    "  4  a file could not be read or written\n";

constexpr const char* esiti_ispezione =
    "Exit status:\n"
    "  0  success\n"
    "  2  usage error, or --csv or --svg naming one of the files inspected\n"
    "  4  a file missing, unreadable or not of its kind, or an output not written\n";

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

}  // namespace

opzioni_programma analizza_riga_comando(int argc, const char* const argv[], std::ostream& out,
                                        std::ostream& err) {
  opzioni_programma o;
  std::optional<std::string> directory_esporta, directory_compila;

  CLI::App app(descrizione_programma, nome_programma);
  app.set_version_flag("--version", std::string(nome_programma) + " " + COMPILA_VERSIONE,
                       "Print the version and exit");
  app.set_help_flag("-h,--help", "Print this help and exit");
  app.footer(esiti);
  app.require_subcommand(0, 1);
  aggiungi_directory(app, o.directory_uscita,
                     "Write the built-in scenario's files into DIR instead of beside the program");

  CLI::App* esporta = app.add_subcommand(
      "export-sources", "Write the built-in line and train descriptions, as templates to edit");
  aggiungi_directory(*esporta, directory_esporta, "Write them into DIR (default: the current directory)");

  opzioni_compilazione& oc = o.compilazione;
  CLI::App* compila = app.add_subcommand(
      "compile", "Compile LINE and TRAIN into the binary files; the sources are left untouched");
  compila->add_option("LINE", oc.descrizione_linea, "The line description file")->required()->type_name("FILE");
  compila->add_option("TRAIN", oc.descrizione_treno, "The train description file")->required()->type_name("FILE");
  compila->add_option("--line-name", oc.nome_linea,
                      "Line name for the file names (default: from LINE's name, \"X_linea.txt\" "
                      "giving X, else its stem)")
      ->type_name("NAME");
  compila->add_option("--train-name", oc.nome_treno,
                      "Train name for the file names (default: from TRAIN's name, \"X_Y-.txt\" "
                      "giving Y, else its stem)")
      ->type_name("NAME");
  aggiungi_directory(*compila, directory_compila,
                     "Write the binary files into DIR (default: the current directory)");
  compila->add_flag("--no-profile", oc.senza_profilo,
                    "Build no line drawing and write no line profile file (an existing one is "
                    "left untouched)");
  compila->add_flag("--json", oc.json, "Print the result as one JSON object on the standard output");
  compila->footer(esiti);

  opzioni_inspect& oi = o.ispezione;
  std::optional<std::string> linea_ispezione, treno_ispezione, csv, svg;
  CLI::App* ispeziona = app.add_subcommand(
      "inspect", "Decode the compiled files in DIR and show the scenario they hold");
  ispeziona
      ->add_option("DIR", oi.directory, "Where the files are (default: the current directory)")
      ->type_name("DIR");
  ispeziona
      ->add_option("--line-name", linea_ispezione,
                   "Line name of the file names (default: \"" + nome_linea_incorporata + "\")")
      ->type_name("NAME");
  ispeziona
      ->add_option("--train-name", treno_ispezione,
                   "Train name of the file names (default: \"" + nome_treno_incorporato + "\")")
      ->type_name("NAME");
  ispeziona->add_flag("--json", oi.json, "Print the summary as one JSON object");
  ispeziona->add_option("--csv", csv, "Write one row per cell, every field, to FILE")
      ->type_name("FILE");
  ispeziona->add_option("--svg", svg, "Draw the line's plan and profile into FILE")
      ->type_name("FILE");
  ispeziona->footer(esiti_ispezione);

  try {
    app.parse(argc, argv);
    if (esporta->parsed() || compila->parsed()) {
      if (o.directory_uscita)
        throw errore_uso("--output-dir goes after the command it applies to");
      o.directory_uscita = esporta->parsed() ? directory_esporta : directory_compila;
      o.modo = esporta->parsed() ? modo_programma::esporta_sorgenti : modo_programma::compila;
    }
    if (ispeziona->parsed()) {
      if (o.directory_uscita)
        throw errore_uso("inspect writes no scenario: --output-dir does not apply");
      o.modo = modo_programma::ispeziona;
      if (oi.directory.empty()) throw errore_uso("DIR must not be empty");
      controlla_nome(linea_ispezione, "--line-name");
      controlla_nome(treno_ispezione, "--train-name");
      if (csv && csv->empty()) throw errore_uso("--csv needs a file name");
      if (svg && svg->empty()) throw errore_uso("--svg needs a file name");
      oi.nome_linea = linea_ispezione.value_or(oi.nome_linea);
      oi.nome_treno = treno_ispezione.value_or(oi.nome_treno);
      oi.csv = csv.value_or("");
      oi.svg = svg.value_or("");
    }
    controlla_directory(o.directory_uscita);
    controlla_nome(oc.nome_linea, "--line-name");
    controlla_nome(oc.nome_treno, "--train-name");
    return o;
  } catch (const CLI::CallForHelp&) {
    out << app.help();
  } catch (const CLI::CallForAllHelp&) {
    out << app.help("", CLI::AppFormatMode::All);
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
