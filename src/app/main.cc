#include <iostream>

#include "app/run.h"
#include "platform/console_interface.h"
#include "platform/disk_file_system.h"
#include "platform/program_directory.h"

int main() {
  disk_file_system disco;
  console_interface console(std::cerr);
  ambiente_esecuzione amb{disco, console, directory_programma(), std::cerr};
  return esegui_scenario(amb);
}
