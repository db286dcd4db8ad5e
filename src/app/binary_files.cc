#include "app/binary_files.h"

#include <exception>
#include <functional>
#include <string_view>

#include "output/cell_file.h"
#include "output/table_file.h"

namespace compila {

bool scrivi_file_binari(file_system& fs, const scenario_compilato& s,
                        const percorsi_binari& percorsi, std::string* err,
                        std::vector<std::string>* scritti) {
  if (!s.celle_create()) {
    *err = "no track cells were compiled: no binary file written";
    return false;
  }
  // Every file encoded before any is written; an encoding failure is
  // reported like a failed write, naming the file.
  std::string tabella, celle;
  const std::string* codificando = &percorsi.tabella;
  try {
    tabella = codifica_tabella(s.tabella);
    codificando = &percorsi.celle;
    celle = codifica_celle(s.celle);
  } catch (const std::exception& e) {
    *err = *codificando + ": " + e.what();
    return false;
  }
  // The line drawing is held as its file's bytes, x's half then y's: they
  // are written from where they lie.
  std::vector<sostituzione> insieme;
  if (s.con_disegno()) insieme.push_back({percorsi.profilo_linea, {s.profilo.meta(0), s.profilo.meta(1)}});
  insieme.push_back({percorsi.tabella, {tabella}});
  insieme.push_back({percorsi.celle, {celle}});
  if (!fs.sostituisci_insieme(insieme, err)) return false;
  if (scritti)
    for (const sostituzione& f : insieme) scritti->push_back(f.percorso);
  return true;
}

}  // namespace compila
