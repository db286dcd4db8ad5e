#include "output/cell_file.h"

#include <utility>

#include "output/coding.h"
#include "output/decoding.h"

namespace compila {

std::string codifica_celle(const array_celle& celle) {
  // Sized once and written through a pointer: no capacity test per byte.
  const size_t attesi = dimensione_cella * celle.size();
  std::string out(attesi, '\0');
  char* const inizio = out.data();
  char* p = inizio;
  for (const cella& x : celle) {
    *p++ = static_cast<char>(x.tipo_cella);
    p = codifica_fisso16(p, static_cast<uint16_t>(x.dato_1));
    p = codifica_fisso16(p, static_cast<uint16_t>(x.dato_2));
    p = codifica_fisso16(p, static_cast<uint16_t>(x.dato_3));
    p = codifica_fisso16(p, static_cast<uint16_t>(x.dato_4));
    *p++ = static_cast<char>(x.tempo);
    *p++ = static_cast<char>(x.avvicinamento);
    *p++ = static_cast<char>(x.montagna);
    *p++ = static_cast<char>(x.limite);
    *p++ = static_cast<char>(x.pendenza);
    *p++ = static_cast<char>(x.aderenza);
  }
  verifica_dimensione("the cell file", static_cast<size_t>(p - inizio), attesi);
  return out;
}

bool decodifica_celle(std::string_view byte, array_celle* celle, std::string* err) {
  if (byte.empty()) {
    *err = "empty: a cell file holds at least one 15-byte cell";
    return false;
  }
  if (byte.size() % dimensione_cella != 0) {
    *err = "a size of " + quanti_byte(byte.size()) + " is not a whole number of 15-byte cells (" +
           std::to_string(byte.size() / dimensione_cella) + " cells and " +
           quanti_byte(byte.size() % dimensione_cella) + " over)";
    return false;
  }
  array_celle letti(byte.size() / dimensione_cella);
  lettore_byte in(byte);
  for (cella& x : letti) {
    // The size test above guarantees every read.
    in.byte(&x.tipo_cella);
    in.int16(&x.dato_1);
    in.int16(&x.dato_2);
    in.int16(&x.dato_3);
    in.int16(&x.dato_4);
    in.byte(&x.tempo);
    in.byte(&x.avvicinamento);
    in.byte(&x.montagna);
    in.byte(&x.limite);
    in.byte(&x.pendenza);
    in.byte(&x.aderenza);
  }
  *celle = std::move(letti);
  return true;
}

}  // namespace compila
