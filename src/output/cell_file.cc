#include "output/cell_file.h"

#include <utility>

#include "output/coding.h"
#include "output/decoding.h"

namespace compila {

std::string codifica_celle(const array_celle& celle) {
  const size_t attesi = dimensione_cella * celle.size();
  std::string out;
  out.reserve(attesi);
  for (const cella& x : celle) {
    aggiungi_byte(&out, x.tipo_cella);
    aggiungi_int16(&out, x.dato_1);
    aggiungi_int16(&out, x.dato_2);
    aggiungi_int16(&out, x.dato_3);
    aggiungi_int16(&out, x.dato_4);
    aggiungi_byte(&out, x.tempo);
    aggiungi_byte(&out, x.avvicinamento);
    aggiungi_byte(&out, x.montagna);
    aggiungi_byte(&out, x.limite);
    aggiungi_byte(&out, x.pendenza);
    aggiungi_byte(&out, x.aderenza);
  }
  verifica_dimensione("the cell file", out.size(), attesi);
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
