#include "output/cell_file.h"

#include "output/coding.h"

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
