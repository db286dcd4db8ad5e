#include "app/run.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/binary_files.h"
#include "app/file_names.h"
#include "compiler/memorizza_percorso.h"
#include "documents/notes.h"
#include "documents/slowdown_order.h"
#include "documents/timetable_sheet.h"
#include "sources/line_description.h"
#include "sources/train_description.h"
#include "textio/text_writer.h"

namespace compila {

namespace {

class esecuzione {
 public:
  explicit esecuzione(ambiente_esecuzione& amb) : amb_(amb) {}

  int esegui() {
    amb_.ui.mostra_attesa();
    if (!scrivi(file_scenario::descrizione_linea, righe_descrizione_linea())) return fallito();
    if (!scrivi(file_scenario::descrizione_treno, righe_descrizione_treno())) return fallito();
    if (!scrivi(file_scenario::note, righe_note())) return fallito();
    if (!scrivi(file_scenario::rallentamenti, righe_rallentamenti())) return fallito();
    if (!scrivi(file_scenario::scheda_treno, righe_scheda_treno())) return fallito();
    return compila_sorgenti();
  }

 private:
  std::string percorso(file_scenario quale) const {
    return percorso_file(amb_.directory, nome_linea_, nome_treno_, quale);
  }

  bool scrivi(file_scenario quale, const std::vector<std::string>& righe) {
    return amb_.fs.sostituisci(percorso(quale), testo_windows1252(righe), &errore_);
  }

  int compila_sorgenti() {
    compilazione c;
    c.nome_linea = nome_linea_;
    c.nome_treno = nome_treno_;
    esito_compilazione esito;
    if (!leggi_e_compila(c, &esito)) return fallito("cannot read " + errore_);
    return concludi(c, esito);
  }

  // Reads back the two sources the run has just written and compiles them,
  // deleting each as the compile is done with it: the line description as
  // soon as it is read, the train description once the compile has read it
  // (or given up the reading with anomaly 25). False, with the reason in
  // errore_, when a source the compile needs is gone or unreadable: a fault
  // of the disk, not of the description.
  bool leggi_e_compila(compilazione& c, esito_compilazione* esito) {
    const std::string linea = percorso(file_scenario::descrizione_linea);
    const std::string treno = percorso(file_scenario::descrizione_treno);
    std::string testo_linea, testo_treno, motivo_treno;
    if (!amb_.fs.leggi(linea, &testo_linea, &errore_)) return false;
    elimina(linea);
    const bool treno_leggibile = amb_.fs.leggi(treno, &testo_treno, &motivo_treno);

    *esito = memorizza_percorso(c, 1, {testo_linea, treno_leggibile
                                                        ? std::optional<std::string_view>(testo_treno)
                                                        : std::nullopt});
    const bool treno_richiesto = esito->lettura == fine_lettura::treno_letto ||
                                 esito->lettura == fine_lettura::treno_fallito;
    if (treno_richiesto && !treno_leggibile) {
      errore_ = motivo_treno;
      return false;
    }
    if (esito->lettura != fine_lettura::linea_fermata) elimina(treno);
    return true;
  }

  // The numbered box, or the binary files and what the compile met.
  int concludi(const compilazione& c, const esito_compilazione& esito) {
    if (esito.errore_fatale != 0) {
      amb_.ui.mostra_errore(" Errore n. " + std::to_string(esito.errore_fatale));
      return esito_errore_fatale;
    }
    if (!esito.celle_create) {
      amb_.diagnostica << prefisso << "the line description stopped before its route "
                          "length (anomaly "
                       << c.stato.codice_errore << "); no binary file written\n";
      return esito_anomalia;
    }
    const percorsi_binari binari{percorso(file_scenario::profilo_linea),
                                 percorso(file_scenario::tabella),
                                 percorso(file_scenario::celle)};
    if (!scrivi_file_binari(amb_.fs, c, binari, &errore_)) return fallito();
    if (c.stato.codice_errore != 0) {
      amb_.diagnostica << prefisso << "anomaly " << c.stato.codice_errore << " at "
                       << c.stato.posizione_errore << " m\n";
      return esito_anomalia;
    }
    return esito_ok;
  }

  // Deleting is best effort: a file that cannot be deleted is not a fault of
  // the description.
  void elimina(const std::string& p) {
    std::string ignorato;
    amb_.fs.elimina(p, &ignorato);
  }

  int fallito() { return fallito("cannot write " + errore_ + amb_.dopo_errore_scrittura); }

  // The sources are the run's intermediates: a failed run does not leave
  // them behind either.
  int fallito(const std::string& messaggio) {
    amb_.diagnostica << prefisso << messaggio << "\n";
    elimina(percorso(file_scenario::descrizione_linea));
    elimina(percorso(file_scenario::descrizione_treno));
    return esito_errore_file;
  }

  ambiente_esecuzione& amb_;
  const std::string nome_linea_ = nome_linea_incorporata;
  const std::string nome_treno_ = nome_treno_incorporato;
  std::string errore_;
};

}  // namespace

int esegui_scenario(ambiente_esecuzione& amb) { return esecuzione(amb).esegui(); }

}  // namespace compila
