#pragma once

#include <cstdint>

#include "model/cella.h"

namespace compila {

// Gradients are stepwise: each holds from the cell nearest its own position up
// to the cell before the next gradient's. The cursor is the first cell not yet
// given a gradient; the stored value is the gradient in per mille plus 100.
struct pendenze {
  int32_t cursore = 0;
  int32_t precedente = 0;  // gradient of the last line read
};

// A gradient g from metre p on. Writes the previous gradient up to the cell
// before p's (at least one cell once p's cell is above 0), then makes g the
// current one. A gradient outside -100 to 155, or one that would be written
// past the last cell, is a failure of the reading.
void posa_pendenza(array_celle& celle, pendenze& stato, int32_t p, int32_t g);

// Completes the current gradient up to the third-last cell (at least one cell).
void completa_pendenze(array_celle& celle, pendenze& stato);

}  // namespace compila
