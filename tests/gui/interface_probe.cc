// Test-only program for the window tests: shows the waiting window or the
// message box through the same factory as compila_scenario, and says on
// standard output which backend it got and when each call has returned.
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

#include "platform/console_interface.h"
#include "platform/interface_factory.h"

using namespace compila;

namespace {

int uso() {
  std::cerr << "usage: interface_probe attesa SECONDS | errore TEXT STATUS\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string comando = argc > 1 ? argv[1] : "";
  if (argc != 3 && argc != 4) return uso();

  auto ui = crea_interfaccia(std::cerr, COMPILA_DIRECTORY_MODULI);
  std::cout << (dynamic_cast<console_interface*>(ui.get()) ? "console" : "finestre") << std::endl;
  ui->mostra_attesa();
  std::cout << "attesa mostrata" << std::endl;

  if (comando == "attesa" && argc == 3) {
    // Like the real run: no event is processed while the window stays up.
    std::this_thread::sleep_for(std::chrono::seconds(std::atoi(argv[2])));
    return 0;
  }
  if (comando == "errore" && argc == 4) {
    ui->mostra_errore(argv[2]);
    std::cout << "errore chiuso" << std::endl;
    return std::atoi(argv[3]);
  }
  return uso();
}
