#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace compila {

// Pieces of a description line after its keyword field. Each piece starts
// with the comma that ends the previous field.

// A comma, `blank` blanks, then the value: the fixed spacing of the line
// description.
std::string dopo_blank(int blank, std::string_view valore);
std::string dopo_blank(int blank, int32_t valore);

// A comma, then the value right-aligned in `larghezza` characters: the
// columns of the train description. A wider value is written whole.
std::string in_colonna(int larghezza, int32_t valore);

}  // namespace compila
