#pragma once

#include <cstdint>

#include "compiler/compile_state.h"

namespace compila {

// Most tunnel stretches one line description may hold.
inline constexpr int32_t massimo_montagne = 80;

// A stretch of line inside a mountain, from metre inizio to metre fine. tipo
// is the stretch code; above 10 it is tipo - 10 with a tunnel marker in every
// fourth cell. A stretch that begins 150 m or less after the previous one's end
// gets code 3. The stretch is stored even when it covers no cell. An 81st
// stretch, a code that is not a byte, or cells outside the array are failures
// of the reading, raised before any cell is written.
void memo_montagna(compilazione& c, int32_t inizio, int32_t fine, int32_t tipo);

}  // namespace compila
