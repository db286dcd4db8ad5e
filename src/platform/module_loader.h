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

// The table of functions a module's entry gives (a struct whose first member
// is `int versione`), or null when the module cannot be loaded or is of
// another version than the program's.
template <typename Funzioni>
const Funzioni* carica_funzioni(const std::string& directory, const char* file,
                                const char* entrata, int versione) {
  using entrata_modulo = const Funzioni* (*)();
  auto e = reinterpret_cast<entrata_modulo>(carica_modulo(directory, file, entrata));
  const Funzioni* f = e ? e() : nullptr;
  return f && f->versione == versione ? f : nullptr;
}

}  // namespace compila
