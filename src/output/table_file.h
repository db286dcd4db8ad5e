#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/voce_scenario.h"

namespace compila {

// The scenario table file: records 0 to 86 in index order, each 34 bytes plus
// the byte length n of its text, nothing before, between or after them; a
// reader finds record r by walking the r records before it. One record:
//
//   offset size field
//        0    1 tipo
//        1    4 valore_1        (32-bit and 16-bit fields signed, little-endian)
//        5    4 valore_2
//        9    4 valore_3
//       13    1 marca
//       14    2 n               (16 bits unsigned; 0 for an empty text)
//       16    n testo           (Windows-1252, one byte per character)
//   16 + n    2 intero_1
//   18 + n    2 intero_2
//   20 + n    2 intero_3
//   22 + n    2 intero_4
//   24 + n    2 intero_5
//   26 + n    1 byte_1
//   27 + n    1 byte_2
//   28 + n    1 byte_3
//   29 + n    1 byte_4
//   30 + n    4 valore_4
inline constexpr size_t dimensione_voce_senza_testo = 34;

// Throws std::length_error for a text longer than 65535 bytes.
std::string codifica_tabella(const tabella_scenario& tabella);

// Reads a scenario table file back into the 87 records, texts converted from
// Windows-1252. Refuses, with false and the reason in *err (*tabella left as
// it was), an empty file, a record cut short by the end of the file (in its
// fixed fields or in a text whose length runs past the end) and bytes left
// over after record 86.
bool decodifica_tabella(std::string_view byte, tabella_scenario* tabella, std::string* err);

}  // namespace compila
