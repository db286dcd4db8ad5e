#include "app/run.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

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

  // Runs that write into one directory take turns, so that one never reads
  // back, deletes or replaces what the other is writing.
  int esegui() {
    amb_.ui.mostra_attesa();
    std::string motivo;
    const std::unique_ptr<blocco_directory> blocco = amb_.fs.blocca(amb_.directory, &motivo);
    if (!blocco) return fallito("cannot lock " + motivo);
    if (!sorgenti_libere()) return esito_errore_file;
    if (!scrivi_testi()) return fallito();
    sorgenti_scritte_ = true;
    return compila_sorgenti();
  }

 private:
  std::string percorso(file_scenario quale) const {
    return percorso_file(amb_.directory, nome_linea_, nome_treno_, quale);
  }

  // A file under a source's name that is not the built-in source byte for
  // byte is an author's: the run writes nothing rather than replace it, and
  // says what to do with it.
  bool sorgenti_libere() {
    const std::pair<file_scenario, const char*> sorgenti[] = {
        {file_scenario::descrizione_linea, "line description"},
        {file_scenario::descrizione_treno, "train description"},
    };
    for (const auto& [quale, genere] : sorgenti) {
      const std::string p = percorso(quale);
      if (!amb_.fs.esiste(p)) continue;
      std::string letto;
      if (!amb_.fs.leggi(p, &letto, &errore_)) {
        amb_.diagnostica << prefisso << "cannot read " << errore_ << "\n";
        return false;
      }
      if (letto == testo(quale)) continue;
      amb_.diagnostica << prefisso << p << " differs from the built-in " << genere
                       << " and is left as it is: compile it with \"compila_scenario compile "
                          "LINE TRAIN\", or move it elsewhere\n";
      return false;
    }
    return true;
  }

  const std::string& testo(file_scenario quale) {
    return quale == file_scenario::descrizione_linea ? testo_linea_ : testo_treno_;
  }

  // The five text files as one set: all of them, or none.
  bool scrivi_testi() {
    const std::string note = testo_windows1252(righe_note());
    const std::string rallentamenti = testo_windows1252(righe_rallentamenti());
    const std::string scheda = testo_windows1252(righe_scheda_treno());
    const sostituzione insieme[] = {
        {percorso(file_scenario::descrizione_linea), {testo_linea_}},
        {percorso(file_scenario::descrizione_treno), {testo_treno_}},
        {percorso(file_scenario::note), {note}},
        {percorso(file_scenario::rallentamenti), {rallentamenti}},
        {percorso(file_scenario::scheda_treno), {scheda}},
    };
    return amb_.fs.sostituisci_insieme(insieme, &errore_);
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
  // them behind either, once it has written them.
  int fallito(const std::string& messaggio) {
    amb_.diagnostica << prefisso << messaggio << "\n";
    if (sorgenti_scritte_) {
      elimina(percorso(file_scenario::descrizione_linea));
      elimina(percorso(file_scenario::descrizione_treno));
    }
    return esito_errore_file;
  }

  ambiente_esecuzione& amb_;
  const std::string nome_linea_ = nome_linea_incorporata;
  const std::string nome_treno_ = nome_treno_incorporato;
  const std::string testo_linea_ = testo_windows1252(righe_descrizione_linea());
  const std::string testo_treno_ = testo_windows1252(righe_descrizione_treno());
  bool sorgenti_scritte_ = false;
  std::string errore_;
};

}  // namespace

int esegui_scenario(ambiente_esecuzione& amb) { return esecuzione(amb).esegui(); }

}  // namespace compila
