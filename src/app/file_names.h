#pragma once

#include <string>

namespace compila {

// The files of one scenario; each name joins the directory, a separator, the
// line name, for the train's files "_" and the train name, and a suffix, every
// blank of the names kept.
enum class file_scenario {
  descrizione_linea,  // "_linea.txt"
  descrizione_treno,  // "_" train "-.txt"
  note,               // "_" train "_note.txt"
  rallentamenti,      // "_" train "_rallentamenti.txt"
  scheda_treno,       // "_" train "_scheda_treno.txt"
  profilo_linea,      // "_linea.dat"
  tabella,            // "_" train ".sim"
  celle,              // "_" train ".dat"
};

// Just the file name, without a directory.
std::string nome_file(const std::string& nome_linea, const std::string& nome_treno,
                      file_scenario quale);

// The directory joined to the name; a directory that already ends with the
// separator does not get a second one.
std::string percorso_file(const std::string& directory, const std::string& nome_linea,
                          const std::string& nome_treno, file_scenario quale);

}  // namespace compila
