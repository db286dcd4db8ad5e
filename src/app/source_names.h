#pragma once

#include <optional>
#include <string>

namespace compila {

// The names of a scenario compiled from an author's files.
struct nomi_scenario {
  std::string linea;
  std::string treno;
};

// The line name: the one given, else the file name read backwards by the
// naming rule ("X_linea.txt" gives X), else the file name's stem.
std::string nome_linea_da_file(const std::string& percorso_linea);

// The train name once the line name is known: "X_Y-.txt" gives Y when X is
// the line name, else "X_Y" (the suffix "-.txt" is never part of a name);
// a file not named "...-.txt" gives its stem.
std::string nome_treno_da_file(const std::string& percorso_treno, const std::string& nome_linea);

// Both names, each from its option when given, else from its file.
nomi_scenario nomi_da_sorgenti(const std::string& percorso_linea, const std::string& percorso_treno,
                               const std::optional<std::string>& nome_linea,
                               const std::optional<std::string>& nome_treno);

}  // namespace compila
