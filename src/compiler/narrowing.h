#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "textio/field_reader.h"

namespace compila {

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

// A record's text as read from a source, one byte a character: its length
// is stored in 16 bits, so a longer one is a fault of the source.
inline std::string_view in_testo(std::string_view byte, const char* campo) {
  if (byte.size() > std::numeric_limits<uint16_t>::max())
    throw errore_lettura(std::string(campo) + " is " + std::to_string(byte.size()) +
                         " bytes long; a record's text holds at most 65535");
  return byte;
}

}  // namespace compila
