#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/cella.h"

namespace compila {

// The cell file: cells 0 to U in index order, 15 bytes each, cell k at byte
// 15k, nothing before, between or after them. One cell:
//
//   offset size field
//        0    1 tipo_cella
//        1    2 dato_1          (16-bit fields signed, little-endian)
//        3    2 dato_2
//        5    2 dato_3
//        7    2 dato_4
//        9    1 tempo
//       10    1 avvicinamento
//       11    1 montagna
//       12    1 limite
//       13    1 pendenza
//       14    1 aderenza
inline constexpr size_t dimensione_cella = 15;

std::string codifica_celle(const array_celle& celle);

// Reads a cell file back into the cells. An empty file, or one whose size is
// not a whole number of cells, is refused: false, with the reason in *err and
// *celle left as it was.
bool decodifica_celle(std::string_view byte, array_celle* celle, std::string* err);

}  // namespace compila
