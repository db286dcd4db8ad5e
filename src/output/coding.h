#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "model/little_endian.h"

namespace compila {

// Encoders of the binary files. Every number is appended little-endian, a
// byte at a time, so the bytes do not depend on the machine's own order or on
// the padding of the in-memory structures. Signed fields are two's complement.

inline void aggiungi_byte(std::string* dst, uint8_t v) { dst->push_back(static_cast<char>(v)); }

// (The same encodings into a buffer already sized, for the large files, are
// codifica_fisso16, 32 and 64 of model/little_endian.h.)

inline void aggiungi_fisso16(std::string* dst, uint16_t v) {
  aggiungi_byte(dst, static_cast<uint8_t>(v));
  aggiungi_byte(dst, static_cast<uint8_t>(v >> 8));
}

inline void aggiungi_fisso32(std::string* dst, uint32_t v) {
  aggiungi_byte(dst, static_cast<uint8_t>(v));
  aggiungi_byte(dst, static_cast<uint8_t>(v >> 8));
  aggiungi_byte(dst, static_cast<uint8_t>(v >> 16));
  aggiungi_byte(dst, static_cast<uint8_t>(v >> 24));
}

inline void aggiungi_fisso64(std::string* dst, uint64_t v) {
  aggiungi_fisso32(dst, static_cast<uint32_t>(v));
  aggiungi_fisso32(dst, static_cast<uint32_t>(v >> 32));
}

inline void aggiungi_int16(std::string* dst, int16_t v) {
  aggiungi_fisso16(dst, static_cast<uint16_t>(v));
}

inline void aggiungi_int32(std::string* dst, int32_t v) {
  aggiungi_fisso32(dst, static_cast<uint32_t>(v));
}

// The IEEE 754 bit pattern of the double, 8 bytes.
inline void aggiungi_double(std::string* dst, double v) {
  static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559);
  aggiungi_fisso64(dst, std::bit_cast<uint64_t>(v));
}

// A text field: its byte length as 16 bits unsigned, then the text in
// Windows-1252, one byte per character (a character the code page cannot hold
// becomes "?"). `utf8` is the text as held in memory. Throws std::length_error
// when the converted text is longer than 65535 bytes, which the length field
// cannot express. Returns the number of text bytes written.
size_t aggiungi_testo(std::string* dst, std::string_view utf8);

// Every file checks its size after encoding against the size its layout
// gives; a difference is a fault of the encoder, thrown as std::logic_error.
void verifica_dimensione(std::string_view cosa, size_t scritti, size_t attesi);

}  // namespace compila
