#include <iostream>
#include <memory>

#include "app/program.h"
#include "platform/console_interface.h"
#include "platform/disk_file_system.h"
#include "platform/program_directory.h"

int main(int argc, char* argv[]) {
  disk_file_system disco;
  piattaforma p{disco, [] { return std::make_unique<console_interface>(std::cerr); },
                directory_programma(), std::cout, std::cerr};
  return esegui_programma(argc, argv, p);
}
