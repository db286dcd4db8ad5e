#include "output/coding.h"

#include <limits>
#include <stdexcept>

#include "textio/windows1252.h"

namespace compila {

size_t aggiungi_testo(std::string* dst, std::string_view utf8) {
  const std::string byte = in_windows1252(utf8);
  if (byte.size() > std::numeric_limits<uint16_t>::max())
    throw std::length_error("a text of " + std::to_string(byte.size()) +
                            " bytes does not fit its 16-bit length");
  aggiungi_fisso16(dst, static_cast<uint16_t>(byte.size()));
  dst->append(byte);
  return byte.size();
}

void verifica_dimensione(std::string_view cosa, size_t scritti, size_t attesi) {
  if (scritti != attesi)
    throw std::logic_error(std::string(cosa) + " encoded as " + std::to_string(scritti) +
                           " bytes instead of " + std::to_string(attesi));
}

}  // namespace compila
