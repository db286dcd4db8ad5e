// The window module: FLTK and the X libraries are loaded with it, and the
// program loads it only when a display is named, so that a run without one
// (and every command for authors) neither loads nor relocates them.
#include <chrono>
#include <memory>

#include "platform/fltk_interface.h"
#include "platform/window_module_api.h"

namespace {

using compila::fltk_interface;

void* apri(const char* display, int attesa_ms) {
  try {
    return fltk_interface::apri(display, std::chrono::milliseconds(attesa_ms)).release();
  } catch (...) {
    return nullptr;
  }
}

void mostra_attesa(void* f) {
  try {
    static_cast<fltk_interface*>(f)->mostra_attesa();
  } catch (...) {
  }
}

void mostra_errore(void* f, const char* testo) {
  try {
    static_cast<fltk_interface*>(f)->mostra_errore(testo);
  } catch (...) {
  }
}

void chiudi(void* f) { delete static_cast<fltk_interface*>(f); }

constexpr compila_finestre funzioni{compila::versione_finestre, apri, mostra_attesa, mostra_errore,
                                    chiudi};

}  // namespace

extern "C" __attribute__((visibility("default"))) const compila_finestre*
compila_scenario_finestre() {
  return &funzioni;
}
