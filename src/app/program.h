#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "platform/file_system.h"
#include "platform/user_interface.h"

namespace compila {

// What the program is given by the system it runs on. The window is made
// only for the built-in run: the commands for authors never show one.
struct piattaforma {
  file_system& fs;
  std::function<std::unique_ptr<user_interface>()> apri_interfaccia;
  std::string directory_programma;
  std::ostream& out;
  std::ostream& err;
};

// Runs what the command line asks for; returns the exit status.
int esegui_programma(int argc, const char* const argv[], piattaforma& p);

}  // namespace compila
