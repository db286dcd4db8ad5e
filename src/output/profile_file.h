#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "model/profilo.h"

namespace compila {

// The line profile file: the x values of metres 0 to N, then the y values of
// metres 0 to N, nothing before, between or after them. Each element is a
// 16-bit tag (little-endian) followed by its value:
//
//   tag 0  empty                no value bytes      2 bytes in all
//   tag 2  16-bit integer       2 bytes, signed     4 bytes in all
//   tag 5  double               8 bytes, IEEE 754   10 bytes in all
//
// As the line reader fills it (integers in metres 0 and 1, doubles up to
// N - 2, the last two empty) a component takes 10N - 18 bytes and the file
// 20N - 36.
//
// The drawing is held in this layout (model/profilo.h): the run writes its
// bytes as they are; this copy of them is for the tests and the fuzzer.

// The fewest and the most bytes a line profile file of metres 0 to
// ultimo_metro can hold: every element empty, or every one a double. A file
// of another size is not that drawing, whatever its elements, and need not be
// decoded to tell.
inline std::pair<uint64_t, uint64_t> dimensioni_profilo(int64_t ultimo_metro) {
  const uint64_t elementi = 2 * static_cast<uint64_t>(ultimo_metro + 1);
  return {elementi * dimensione_elemento_vuoto, elementi * dimensione_elemento_reale};
}

std::string codifica_profilo(const profilo_linea& profilo);

// Reads a line profile file back. The file holds no count: its elements are
// walked to the end and split into two components of equal length. Refuses,
// with false and the reason in *err (*profilo left as it was), an empty file,
// a tag other than 0, 2 or 5, an element cut short by the end of the file and
// an odd number of elements.
bool decodifica_profilo(std::string_view byte, profilo_linea* profilo, std::string* err);

}  // namespace compila
