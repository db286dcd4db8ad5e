#pragma once

#include <string>

namespace compila {

// A module of the program's own (a library loaded only when a command needs
// what it brings), looked for beside the program (`directory`) and then in
// `directory`/../lib/compila_scenario, the place an installed package puts
// it. Returns the address of its entry `entrata`, or null when the module is
// missing or cannot be loaded. A module is never unloaded: its code must
// outlive every object it made.
void* carica_modulo(const std::string& directory, const char* file, const char* entrata);

}  // namespace compila
