#pragma once

#include <string_view>

#include "compiler/compile_state.h"

namespace compila {

// First half of memorizza_dati: reads the line description. Returns false
// when the reader stopped on a fault, so the train half must not run; a
// position out of range (15) only cuts the feature loop and returns true.
// Throws errore_lettura on a failure of the reading.
bool leggi_descrizione_linea(compilazione& c, std::string_view testo);

}  // namespace compila
