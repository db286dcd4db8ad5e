#pragma once

#include <cstdint>

#include "model/profilo.h"

namespace compila {

// The line drawing is built a metre at a time: each new point is the last one
// plus the last step, turned by k radians on a curve (positive k turns
// clockwise). The step is not renormalised. The cursor is the next metre to
// draw; the last two points drawn are kept at hand.
struct stato_disegno {
  int32_t cursore = 2;
  double x1 = 0.0, y1 = 1.0;  // metre cursore - 1
  double x2 = 0.0, y2 = 0.0;  // metre cursore - 2
};

// Metres past which a curve may not draw.
inline constexpr int32_t ultimo_metro_curve = 1000000;

// Rows 0 and 1: (0, 0) and (0, 1), 16-bit integers; the cursor at 2.
void inizia_disegno(profilo_linea& profilo, stato_disegno& d);

// Straight up to metre s, then a curve of k radians per metre up to metre
// s + n. Returns false, leaving the cursor where it stopped, when the cursor
// passes metre 1000000 or the curve would draw past the drawing's last row
// (nothing is written past it).
bool posa_curva(profilo_linea& profilo, stato_disegno& d, int32_t s, int32_t n, double k);

// Straight to the drawing's third-last row; the last two rows stay empty.
void completa_disegno(profilo_linea& profilo, stato_disegno& d);

}  // namespace compila
