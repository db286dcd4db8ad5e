#include "output/table_file.h"

#include "output/coding.h"

namespace {

void codifica_voce(std::string* out, const voce_scenario& v) {
  const size_t inizio = out->size();
  aggiungi_byte(out, v.tipo);
  aggiungi_int32(out, v.valore_1);
  aggiungi_int32(out, v.valore_2);
  aggiungi_int32(out, v.valore_3);
  aggiungi_byte(out, v.marca);
  const size_t n = aggiungi_testo(out, v.testo);
  aggiungi_int16(out, v.intero_1);
  aggiungi_int16(out, v.intero_2);
  aggiungi_int16(out, v.intero_3);
  aggiungi_int16(out, v.intero_4);
  aggiungi_int16(out, v.intero_5);
  aggiungi_byte(out, v.byte_1);
  aggiungi_byte(out, v.byte_2);
  aggiungi_byte(out, v.byte_3);
  aggiungi_byte(out, v.byte_4);
  aggiungi_int32(out, v.valore_4);
  verifica_dimensione("a scenario record", out->size() - inizio, dimensione_voce_senza_testo + n);
}

}  // namespace

std::string codifica_tabella(const tabella_scenario& tabella) {
  std::string out;
  out.reserve(tabella.size() * dimensione_voce_senza_testo + 256);
  for (const voce_scenario& v : tabella) codifica_voce(&out, v);
  return out;
}
