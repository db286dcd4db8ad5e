#pragma once

#include <string_view>

#include "compiler/compile_state.h"

namespace compila {

// Second half of memorizza_dati: reads the train description, then checks the
// kilometre-marking records. Throws errore_lettura on a failure of the reading.
void leggi_descrizione_treno(compilazione& c, std::string_view testo);

}  // namespace compila
