#include "app/run.h"

#include <string>
#include <vector>

#include "app/file_names.h"
#include "compiler/memorizza_percorso.h"
#include "documents/notes.h"
#include "documents/slowdown_order.h"
#include "documents/timetable_sheet.h"
#include "output/binary_files.h"
#include "platform/forwarding_file_system.h"
#include "sources/line_description.h"
#include "sources/train_description.h"
#include "textio/text_writer.h"

namespace {

// Keeps why the first source could not be found or read. The run wrote both
// sources a moment before: one that is gone is a fault of the disk, not of
// the description.
class letture_sorvegliate : public forwarding_file_system {
 public:
  using forwarding_file_system::forwarding_file_system;
  bool esiste(const std::string& p) override {
    if (forwarding_file_system::esiste(p)) return true;
    annota(p + ": No such file or directory");
    return false;
  }
  bool leggi(const std::string& p, std::string* contenuto, std::string* err) override {
    if (forwarding_file_system::leggi(p, contenuto, err)) return true;
    annota(*err);
    return false;
  }

  std::string errore;  // empty while every read succeeded

 private:
  void annota(const std::string& motivo) {
    if (errore.empty()) errore = motivo;
  }
};

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
    return compila();
  }

 private:
  std::string percorso(file_scenario quale) const {
    return percorso_file(amb_.directory, nome_linea_, nome_treno_, quale);
  }

  bool scrivi(file_scenario quale, const std::vector<std::string>& righe) {
    return amb_.fs.sostituisci(percorso(quale), testo_windows1252(righe), &errore_);
  }

  int compila() {
    compilazione c;
    c.nome_linea = nome_linea_;
    c.nome_treno = nome_treno_;
    const sorgenti s{percorso(file_scenario::descrizione_linea),
                     percorso(file_scenario::descrizione_treno), true};
    letture_sorvegliate letture(amb_.fs);
    const esito_compilazione esito = memorizza_percorso(c, 1, letture, s);
    if (!letture.errore.empty()) return fallito("cannot read " + letture.errore);
    if (esito.errore_fatale != 0) {
      amb_.ui.mostra_errore(" Errore n. " + std::to_string(esito.errore_fatale));
      return esito_errore_fatale;
    }
    if (!esito.celle_create) {
      amb_.diagnostica << "compila_scenario: the line description stopped before its route "
                          "length (anomaly "
                       << c.stato.codice_errore << "); no binary file written\n";
      return esito_anomalia;
    }
    const percorsi_binari binari{percorso(file_scenario::profilo_linea),
                                 percorso(file_scenario::tabella),
                                 percorso(file_scenario::celle)};
    if (!scrivi_file_binari(amb_.fs, c, binari, &errore_)) return fallito();
    if (c.stato.codice_errore != 0) {
      amb_.diagnostica << "compila_scenario: anomaly " << c.stato.codice_errore << " at "
                       << c.stato.posizione_errore << " m\n";
      return esito_anomalia;
    }
    return esito_ok;
  }

  int fallito() { return fallito("cannot write " + errore_); }

  // The sources are the run's intermediates: a failed run does not leave
  // them behind either.
  int fallito(const std::string& messaggio) {
    amb_.diagnostica << "compila_scenario: " << messaggio << "\n";
    std::string ignorato;
    amb_.fs.elimina(percorso(file_scenario::descrizione_linea), &ignorato);
    amb_.fs.elimina(percorso(file_scenario::descrizione_treno), &ignorato);
    return esito_errore_file;
  }

  ambiente_esecuzione& amb_;
  const std::string nome_linea_ = nome_linea_incorporata;
  const std::string nome_treno_ = nome_treno_incorporato;
  std::string errore_;
};

}  // namespace

int esegui_scenario(ambiente_esecuzione& amb) { return esecuzione(amb).esegui(); }
