#pragma once

#include <cstddef>
#include <string>
#include <string_view>

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
std::string codifica_profilo(const profilo_linea& profilo);

// Reads a line profile file back. The file holds no count: its elements are
// walked to the end and split into two components of equal length. Refuses,
// with false and the reason in *err (*profilo left as it was), an empty file,
// a tag other than 0, 2 or 5, an element cut short by the end of the file and
// an odd number of elements.
bool decodifica_profilo(std::string_view byte, profilo_linea* profilo, std::string* err);

}  // namespace compila
