#pragma once

#include <cstdint>
#include <string_view>

#include "compiler/compile_state.h"

namespace compila {

// Puts a sign board into the cell after the one nearest metre p: the cell
// points at record prossimo_cartello, which receives the text (given in
// Windows-1252, stored as UTF-8), and the counter moves down one record.
// Returns false, leaving everything untouched, when the cell holds a point
// feature other than a tunnel marker. No record left (the counter below 1), or
// a cell outside the array, is a failure of the reading.
bool posa_cartello(compilazione& c, int32_t p, std::string_view testo_windows1252);

}  // namespace compila
