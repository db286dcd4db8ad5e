#include "compiler/memorizza_dati.h"

#include <exception>
#include <string>

#include "compiler/errore_sorgente.h"
#include "compiler/line_reader.h"
#include "compiler/train_reader.h"

namespace {

// The one failure catch of the reading: both sources go (an author's own files
// stay) and the compile carries on with what was stored, under anomaly 25.
void fallimento(compilazione& c, file_system& fs, const sorgenti& s, origine_anomalia origine,
                int riga, const char* causa) {
  if (s.elimina_dopo_lettura) {
    std::string err;
    fs.elimina(s.descrizione_linea, &err);
    fs.elimina(s.descrizione_treno, &err);
  }
  c.stato.registra(25, origine, riga, causa);
}

}  // namespace

void memorizza_dati(compilazione& c, file_system& fs, const sorgenti& s) {
  c.tabella[voce::linea].testo = c.nome_linea;
  c.tabella[voce::treno].testo = c.nome_treno;

  origine_anomalia in_lettura = origine_anomalia::descrizione_linea;
  try {
    if (!leggi_descrizione_linea(c, fs, s)) return;
    in_lettura = origine_anomalia::descrizione_treno;
    leggi_descrizione_treno(c, fs, s);
  } catch (const errore_sorgente& e) {
    fallimento(c, fs, s, in_lettura, e.riga(), e.what());
  } catch (const std::exception& e) {
    // Any other run-time failure while reading (no memory for the cells, an
    // index the reader failed to check) ends the reading the same way.
    fallimento(c, fs, s, in_lettura, 0, e.what());
  }
}
