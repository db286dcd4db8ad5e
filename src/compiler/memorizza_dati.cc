#include "compiler/memorizza_dati.h"

#include <exception>
#include <new>
#include <string>

#include "compiler/line_reader.h"
#include "compiler/source_error.h"
#include "compiler/train_reader.h"

namespace compila {

fine_lettura memorizza_dati(compilazione& c, const testi_sorgenti& s) {
  c.tabella[voce::linea].testo = c.nome_linea;
  c.tabella[voce::treno].testo = c.nome_treno;
  if (!s.descrizione_linea) {
    c.stato.registra(codice_anomalia::linea_assente, origine_anomalia::descrizione_linea);
    return fine_lettura::linea_fermata;
  }

  // The one failure catch of the reading: the compile carries on with what
  // was stored, under anomaly 25.
  origine_anomalia in_lettura = origine_anomalia::descrizione_linea;
  const auto fallita = [&](int riga, const char* causa) {
    c.stato.registra(codice_anomalia::lettura_fallita, in_lettura, riga, causa);
    return in_lettura == origine_anomalia::descrizione_linea ? fine_lettura::linea_fallita
                                                              : fine_lettura::treno_fallito;
  };
  try {
    if (!leggi_descrizione_linea(c, *s.descrizione_linea)) return fine_lettura::linea_fermata;
    in_lettura = origine_anomalia::descrizione_treno;
    if (!s.descrizione_treno) return fallita(0, "the train description file does not exist");
    leggi_descrizione_treno(c, *s.descrizione_treno);
    return fine_lettura::treno_letto;
  } catch (const errore_sorgente& e) {
    return fallita(e.riga(), e.what());
  } catch (const std::bad_alloc&) {
    return fallita(0, "out of memory while reading the description");
  } catch (const std::exception& e) {
    // Any other run-time failure while reading (no memory for the cells, an
    // index the reader failed to check) ends the reading the same way.
    return fallita(0, e.what());
  }
}

}  // namespace compila
