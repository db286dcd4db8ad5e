#include <iostream>
#include <memory>

#include "app/program.h"
#include "platform/disk_file_system.h"
#include "platform/interface_factory.h"
#include "platform/parent_console.h"
#include "platform/program_directory.h"

int main(int argc, char* argv[]) {
  compila::usa_console_del_genitore();
  compila::disk_file_system disco;
  compila::piattaforma p{disco, [] { return compila::crea_interfaccia(std::cerr); },
                         compila::directory_programma(), std::cout, std::cerr};
  return compila::esegui_programma(argc, argv, p);
}
