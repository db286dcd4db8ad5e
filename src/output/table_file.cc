#include "output/table_file.h"

#include <utility>

#include "output/coding.h"
#include "output/decoding.h"
#include "textio/windows1252.h"

namespace compila {

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

// Bytes of a record before its text (up to and with the length) and after it.
constexpr size_t prima_del_testo = 16;
constexpr size_t dopo_il_testo = dimensione_voce_senza_testo - prima_del_testo;

std::string voce_tagliata(int r, size_t inizio, size_t mancano, size_t dimensione) {
  return "record " + std::to_string(r) + " (from byte " + std::to_string(inizio) +
         ") is cut short: the " + std::to_string(dimensione) + "-byte file ends " +
         quanti_byte(mancano) + " too soon";
}

// One record; the caller has checked the file's bytes are there for the text
// length and the fixed fields around it, so only the sizes can fail.
bool decodifica_voce(lettore_byte& in, int r, voce_scenario* v, size_t dimensione,
                     std::string* err) {
  const size_t inizio = in.posizione();
  if (in.rimasti() < prima_del_testo) {
    *err = voce_tagliata(r, inizio, prima_del_testo - in.rimasti(), dimensione);
    return false;
  }
  uint16_t n = 0;
  in.byte(&v->tipo);
  in.int32(&v->valore_1);
  in.int32(&v->valore_2);
  in.int32(&v->valore_3);
  in.byte(&v->marca);
  in.fisso16(&n);
  std::string_view testo;
  if (!in.blocco(n, &testo)) {
    *err = "record " + std::to_string(r) + " (from byte " + std::to_string(inizio) +
           ") has a text of " + std::to_string(n) + " bytes that runs past the end of the " +
           std::to_string(dimensione) + "-byte file";
    return false;
  }
  if (in.rimasti() < dopo_il_testo) {
    *err = voce_tagliata(r, inizio, dopo_il_testo - in.rimasti(), dimensione);
    return false;
  }
  v->testo = da_windows1252(testo);
  in.int16(&v->intero_1);
  in.int16(&v->intero_2);
  in.int16(&v->intero_3);
  in.int16(&v->intero_4);
  in.int16(&v->intero_5);
  in.byte(&v->byte_1);
  in.byte(&v->byte_2);
  in.byte(&v->byte_3);
  in.byte(&v->byte_4);
  in.int32(&v->valore_4);
  return true;
}

}  // namespace

std::string codifica_tabella(const tabella_scenario& tabella) {
  size_t testi = 0;  // a text takes no more bytes in the file than in memory
  for (const voce_scenario& v : tabella) testi += v.testo.size();
  std::string out;
  out.reserve(tabella.size() * dimensione_voce_senza_testo + testi);
  for (const voce_scenario& v : tabella) codifica_voce(&out, v);
  return out;
}

bool decodifica_tabella(std::string_view byte, tabella_scenario* tabella, std::string* err) {
  if (byte.empty()) {
    *err = "empty: a scenario table holds 87 records of at least 34 bytes each";
    return false;
  }
  tabella_scenario letta{};
  lettore_byte in(byte);
  for (int r = 0; r < numero_voci; ++r)
    if (!decodifica_voce(in, r, &letta[static_cast<size_t>(r)], byte.size(), err)) return false;
  if (!in.finito()) {
    *err = quanti_byte(in.rimasti()) + (in.rimasti() == 1 ? " follows" : " follow") +
           " record 86, which ends at byte " +
           std::to_string(in.posizione()) + " of " + std::to_string(byte.size());
    return false;
  }
  *tabella = std::move(letta);
  return true;
}

}  // namespace compila
