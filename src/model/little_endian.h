#pragma once

#include <cstdint>

namespace compila {

// Little-endian fields stored into and loaded from bytes, a byte at a time,
// so that the bytes do not depend on the machine's own order (the compiler
// joins the byte stores into one where the machine allows). The stores return
// the position after what they wrote.
inline char* codifica_fisso16(char* p, uint16_t v) {
  p[0] = static_cast<char>(static_cast<uint8_t>(v));
  p[1] = static_cast<char>(static_cast<uint8_t>(v >> 8));
  return p + 2;
}

inline char* codifica_fisso32(char* p, uint32_t v) {
  p = codifica_fisso16(p, static_cast<uint16_t>(v));
  return codifica_fisso16(p, static_cast<uint16_t>(v >> 16));
}

inline char* codifica_fisso64(char* p, uint64_t v) {
  p = codifica_fisso32(p, static_cast<uint32_t>(v));
  return codifica_fisso32(p, static_cast<uint32_t>(v >> 32));
}

inline uint16_t decodifica_fisso16(const char* p) {
  return static_cast<uint16_t>(static_cast<uint8_t>(p[0]) | static_cast<uint8_t>(p[1]) << 8);
}

inline uint64_t decodifica_fisso64(const char* p) {
  uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(p[i]);
  return v;
}

}  // namespace compila
