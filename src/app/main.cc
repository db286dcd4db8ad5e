#include <cstdio>
#include <exception>
#include <iostream>
#include <memory>

#include "app/program.h"
#include "app/status.h"
#include "platform/disk_file_system.h"
#include "platform/interface_factory.h"
#include "platform/parent_console.h"
#include "platform/program_directory.h"

int main(int argc, char* argv[]) {
  // The commands catch their own failures; this catches what fails before
  // one starts.
  try {
    compila::usa_console_del_genitore();
    compila::disk_file_system disco;
    compila::piattaforma p{disco, [] { return compila::crea_interfaccia(std::cerr); },
                           compila::directory_programma(), std::cout, std::cerr};
    return compila::esegui_programma(argc, argv, p);
  } catch (const std::exception& e) {
    std::fputs(compila::prefisso, stderr);
    std::fputs(e.what(), stderr);
    std::fputs("\n", stderr);
  }
  return compila::esito_senza_memoria;
}
