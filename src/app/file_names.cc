#include "app/file_names.h"

#include "platform/program_directory.h"

namespace compila {

std::string nome_file(const std::string& nome_linea, const std::string& nome_treno,
                      file_scenario quale) {
  const std::string treno = "_" + nome_treno;
  switch (quale) {
    case file_scenario::descrizione_linea: return nome_linea + "_linea.txt";
    case file_scenario::descrizione_treno: return nome_linea + treno + "-.txt";
    case file_scenario::note: return nome_linea + treno + "_note.txt";
    case file_scenario::rallentamenti: return nome_linea + treno + "_rallentamenti.txt";
    case file_scenario::scheda_treno: return nome_linea + treno + "_scheda_treno.txt";
    case file_scenario::profilo_linea: return nome_linea + "_linea.dat";
    case file_scenario::tabella: return nome_linea + treno + ".sim";
    case file_scenario::celle: return nome_linea + treno + ".dat";
  }
  return {};
}

std::string percorso_file(const std::string& directory, const std::string& nome_linea,
                          const std::string& nome_treno, file_scenario quale) {
  std::string percorso = directory;
  if (percorso.empty() || percorso.back() != separatore) percorso += separatore;
  return percorso + nome_file(nome_linea, nome_treno, quale);
}

}  // namespace compila
