#include "app/run.h"

#include <string>
#include <vector>

#include "app/file_names.h"
#include "documents/notes.h"
#include "documents/slowdown_order.h"
#include "documents/timetable_sheet.h"
#include "sources/line_description.h"
#include "sources/train_description.h"
#include "textio/text_writer.h"

namespace {

const std::string kNomeLinea = "Verona _Firenze  ";
const std::string kNomeTreno = " EC 85";

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
    return esito_ok;
  }

 private:
  std::string percorso(file_scenario quale) const {
    return percorso_file(amb_.directory, nome_linea_, nome_treno_, quale);
  }

  bool scrivi(file_scenario quale, const std::vector<std::string>& righe) {
    return amb_.fs.sostituisci(percorso(quale), testo_windows1252(righe), &errore_);
  }

  int fallito() {
    amb_.diagnostica << "compila_scenario: cannot write " << errore_ << "\n";
    return esito_errore_file;
  }

  ambiente_esecuzione& amb_;
  const std::string nome_linea_ = kNomeLinea;
  const std::string nome_treno_ = kNomeTreno;
  std::string errore_;
};

}  // namespace

int esegui_scenario(ambiente_esecuzione& amb) { return esecuzione(amb).esegui(); }
