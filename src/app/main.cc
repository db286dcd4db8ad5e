#include <iostream>
#include <memory>

#include "app/program.h"
#include "platform/disk_file_system.h"
#include "platform/interface_factory.h"
#include "platform/program_directory.h"

int main(int argc, char* argv[]) {
  disk_file_system disco;
  piattaforma p{disco, [] { return crea_interfaccia(std::cerr); }, directory_programma(),
                std::cout, std::cerr};
  return esegui_programma(argc, argv, p);
}
