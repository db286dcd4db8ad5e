#pragma once

#include <cstdint>

namespace compila {

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

}  // namespace compila
