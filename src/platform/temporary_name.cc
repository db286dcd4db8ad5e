#include "platform/temporary_name.h"

#include <cstdio>

namespace compila {

std::string nome_temporaneo(std::string_view nome, uint32_t numero, size_t massimo) {
  char suffisso[16];
  std::snprintf(suffisso, sizeof suffisso, ".%08x.tmp", static_cast<unsigned>(numero));
  const std::string_view coda = suffisso;
  size_t taglio = nome.size();
  if (taglio + coda.size() > massimo) {
    taglio = massimo > coda.size() ? massimo - coda.size() : 0;
    // Back to the first byte of the character the cut falls in.
    while (taglio > 0 && (static_cast<unsigned char>(nome[taglio]) & 0xC0) == 0x80) --taglio;
  }
  return std::string(nome.substr(0, taglio)).append(coda);
}

}  // namespace compila
