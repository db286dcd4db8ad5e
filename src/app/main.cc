#include <iostream>

#include "app/run.h"
#include "platform/disk_file_system.h"
#include "platform/interface_factory.h"
#include "platform/program_directory.h"

int main() {
  disk_file_system disco;
  auto ui = crea_interfaccia(std::cerr);
  ambiente_esecuzione amb{disco, *ui, directory_programma(), std::cerr};
  return esegui_scenario(amb);
}
