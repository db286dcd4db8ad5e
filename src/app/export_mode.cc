#include "app/export_mode.h"

#include <memory>

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
  std::string motivo;
  const std::unique_ptr<blocco_directory> blocco = fs.blocca(directory.value_or("."), &motivo);
  if (!blocco) {
    err << prefisso << "cannot lock " << motivo << "\n";
    return esito_errore_file;
  }
  const auto percorso = [&](file_scenario quale) {
    return directory
               ? percorso_file(*directory, nome_linea_incorporata, nome_treno_incorporato, quale)
               : nome_file(nome_linea_incorporata, nome_treno_incorporato, quale);
  };
  const std::string linea = testo_windows1252(righe_descrizione_linea());
  const std::string treno = testo_windows1252(righe_descrizione_treno());
  const sostituzione sorgenti[] = {
      {percorso(file_scenario::descrizione_linea), {linea}},
      {percorso(file_scenario::descrizione_treno), {treno}},
  };
  if (!fs.sostituisci_insieme(sorgenti, &motivo)) {
    err << prefisso << "cannot write " << motivo << "\n";
    return esito_errore_file;
  }
  for (const sostituzione& s : sorgenti) out << tra_apici(s.percorso) << "\n";
  return esito_ok;
}

}  // namespace compila
