#pragma once

// The entry of the window module, in C terms only: the program and the
// module may each carry a C++ runtime of their own, so nothing but plain
// pointers and C strings crosses between them, and no exception does.
extern "C" {

// The module's functions. `apri` opens the display named and returns a
// handle to its windows, or null when there is no display to show them on
// (it cannot be opened, or it has not answered within `attesa_ms`).
struct compila_finestre {
  int versione;
  void* (*apri)(const char* display, int attesa_ms);
  void (*mostra_attesa)(void* finestre);
  void (*mostra_errore)(void* finestre, const char* testo);
  void (*chiudi)(void* finestre);
};
}

namespace compila {

inline constexpr int versione_finestre = 1;
inline constexpr const char* nome_entrata_finestre = "compila_scenario_finestre";

}  // namespace compila
