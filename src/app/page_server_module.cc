// The server module: the HTTP library, and what Debian's build of it links
// (TLS, compression), are loaded with it, by watch alone.
#include <algorithm>
#include <cstring>
#include <string>

#include "app/http_server.h"
#include "app/page_server_api.h"

namespace {

using compila::server_http;

server_http* server(void* s) { return static_cast<server_http*>(s); }

void* crea() {
  try {
    return new server_http();
  } catch (...) {
    return nullptr;
  }
}

int apri(void* s, int porta, char* err, size_t dimensione_err) {
  std::string motivo;
  try {
    if (server(s)->apri(porta, &motivo)) return 1;
  } catch (...) {
    motivo = "cannot serve the page: out of memory";
  }
  if (dimensione_err > 0) {
    const size_t n = std::min(motivo.size(), dimensione_err - 1);
    std::memcpy(err, motivo.data(), n);
    err[n] = '\0';
  }
  return 0;
}

int porta(void* s) { return server(s)->porta(); }

void avvia(void* s) {
  try {
    server(s)->avvia();
  } catch (...) {
  }
}

void pubblica(void* s, const char* pagina, size_t lunghezza, int generazione, int ok) {
  try {
    server(s)->pubblica(std::string(pagina, lunghezza), generazione, ok != 0);
  } catch (...) {
  }
}

void ferma(void* s) {
  try {
    server(s)->ferma();
  } catch (...) {
  }
}

void distruggi(void* s) { delete server(s); }

constexpr compila_server funzioni{compila::versione_server, crea, apri, porta, avvia, pubblica,
                                  ferma, distruggi};

}  // namespace

extern "C" __attribute__((visibility("default"))) const compila_server* compila_scenario_server() {
  return &funzioni;
}
