#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace compila {

// Bytes as "62 02 1D", for comparing encoded fields whole.
inline std::string esadecimale(std::string_view byte) {
  std::string out;
  char buf[4];
  for (unsigned char b : byte) {
    std::snprintf(buf, sizeof buf, "%02X", b);
    if (!out.empty()) out += ' ';
    out += buf;
  }
  return out;
}

}  // namespace compila
