#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "textio/field_reader.h"

// Nearest integer to a / b, a half going to the even neighbour
// (112.5 gives 112, 113.5 gives 114). b must be positive.
inline int64_t dividi_arrotondando(int64_t a, int64_t b) {
  int64_t q = a / b;
  int64_t r = a % b;
  if (r < 0) {  // floor division
    q -= 1;
    r += b;
  }
  int64_t doppio = 2 * r;
  if (doppio > b || (doppio == b && (q % 2 != 0))) q += 1;
  return q;
}

// Nearest integer to x, a half going to the even neighbour.
inline double arrotonda_pari(double x) { return std::nearbyint(x); }

// Checked narrowing into the stored widths: a value that does not fit its
// field is a failure of the reading, never silently cut.
inline errore_lettura fuori_campo(int64_t v, const char* campo, const char* intervallo) {
  return errore_lettura(std::to_string(v) + " is out of range for " + campo + ", which holds " +
                        intervallo);
}

inline uint8_t in_byte(int64_t v, const char* campo) {
  if (v < 0 || v > 255) throw fuori_campo(v, campo, "0 to 255");
  return static_cast<uint8_t>(v);
}

inline int16_t in_int16(int64_t v, const char* campo) {
  if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max())
    throw fuori_campo(v, campo, "-32768 to 32767");
  return static_cast<int16_t>(v);
}

inline int32_t in_int32(int64_t v, const char* campo) {
  if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
    throw fuori_campo(v, campo, "-2147483648 to 2147483647");
  return static_cast<int32_t>(v);
}
