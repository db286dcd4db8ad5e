#include "app/binary_files.h"

#include <exception>
#include <functional>

#include "output/cell_file.h"
#include "output/profile_file.h"
#include "output/table_file.h"

namespace compila {

bool scrivi_file_binari(file_system& fs, const scenario_compilato& s,
                        const percorsi_binari& percorsi, std::string* err,
                        std::vector<std::string>* scritti) {
  if (!s.celle_create()) {
    *err = "no track cells were compiled: no binary file written";
    return false;
  }
  struct da_scrivere {
    const std::string& percorso;
    std::function<std::string()> codifica;
  };
  std::vector<da_scrivere> file;
  if (s.con_disegno())
    file.push_back({percorsi.profilo_linea, [&] { return codifica_profilo(s.profilo); }});
  file.push_back({percorsi.tabella, [&] { return codifica_tabella(s.tabella); }});
  file.push_back({percorsi.celle, [&] { return codifica_celle(s.celle); }});

  // Every file encoded before any is written; an encoding failure is
  // reported like a failed write, naming the file.
  std::vector<std::string> contenuti;
  for (const da_scrivere& f : file) {
    try {
      contenuti.push_back(f.codifica());
    } catch (const std::exception& e) {
      *err = f.percorso + ": " + e.what();
      return false;
    }
  }
  std::vector<sostituzione> insieme;
  for (size_t i = 0; i < file.size(); ++i) insieme.push_back({file[i].percorso, {contenuti[i]}});
  if (!fs.sostituisci_insieme(insieme, err)) return false;
  if (scritti)
    for (const da_scrivere& f : file) scritti->push_back(f.percorso);
  return true;
}

}  // namespace compila
