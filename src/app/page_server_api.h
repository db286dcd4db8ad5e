#pragma once

#include <cstddef>

// The entry of the server module, in C terms only: the program and the
// module may each carry a C++ runtime of their own, so nothing but plain
// pointers, numbers and C strings crosses between them, and no exception
// does. The functions are those of server_pagina (app/page_server.h) on a
// handle that `crea` makes and `distruggi` ends; `apri` gives 1 when the port
// is had, else 0 and the reason, NUL-ended and cut to fit, in `err`.
extern "C" {

struct compila_server {
  int versione;
  void* (*crea)(void);
  int (*apri)(void* server, int porta, char* err, size_t dimensione_err);
  int (*porta)(void* server);
  void (*avvia)(void* server);
  void (*pubblica)(void* server, const char* pagina, size_t lunghezza, int generazione, int ok);
  void (*ferma)(void* server);
  void (*distruggi)(void* server);
};
}

namespace compila {

inline constexpr int versione_server = 1;
inline constexpr const char* nome_entrata_server = "compila_scenario_server";

}  // namespace compila
