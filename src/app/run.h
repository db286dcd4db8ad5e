#pragma once

#include <ostream>
#include <string>

#include "app/status.h"
#include "platform/file_system.h"
#include "platform/user_interface.h"

namespace compila {

// The built-in scenario's names; every blank belongs to them.
inline const std::string nome_linea_incorporata = "Verona _Firenze  ";
inline const std::string nome_treno_incorporato = " EC 85";

// What the built-in run works with: the files, the window and the directory
// in which every file lives.
struct ambiente_esecuzione {
  file_system& fs;
  user_interface& ui;
  std::string directory;
  std::ostream& diagnostica;  // one line per failure, naming the file
  std::string dopo_errore_scrittura = {};  // ends the line of a file not written
};

// The built-in scenario's fixed run: names, waiting window, the five text
// files, the compile. Returns the exit status.
int esegui_scenario(ambiente_esecuzione& amb);

}  // namespace compila
