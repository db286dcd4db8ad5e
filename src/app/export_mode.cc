#include "app/export_mode.h"

#include <vector>

#include "app/file_names.h"
#include "app/run.h"
#include "sources/line_description.h"
#include "sources/train_description.h"
#include "textio/text_writer.h"

namespace compila {

namespace {

// Single quotes keep the names' blanks when the line is pasted into a shell.
std::string tra_apici(const std::string& testo) {
  std::string r = "'";
  for (char ch : testo) r += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
  return r + "'";
}

}  // namespace

int esegui_esporta(const std::optional<std::string>& directory, file_system& fs,
                   std::ostream& out, std::ostream& err) {
  if (!directory_uscita_esiste(fs, directory, err)) return esito_errore_file;
  struct sorgente {
    file_scenario quale;
    std::vector<std::string> righe;
  };
  const sorgente sorgenti[] = {
      {file_scenario::descrizione_linea, righe_descrizione_linea()},
      {file_scenario::descrizione_treno, righe_descrizione_treno()},
  };
  for (const sorgente& s : sorgenti) {
    const std::string percorso =
        directory ? percorso_file(*directory, nome_linea_incorporata, nome_treno_incorporato, s.quale)
                  : nome_file(nome_linea_incorporata, nome_treno_incorporato, s.quale);
    std::string motivo;
    if (!fs.sostituisci(percorso, testo_windows1252(s.righe), &motivo)) {
      err << prefisso << "cannot write " << motivo << "\n";
      return esito_errore_file;
    }
    out << tra_apici(percorso) << "\n";
  }
  return esito_ok;
}

}  // namespace compila
