#include "output/binary_files.h"

#include <exception>
#include <functional>

#include "output/cell_file.h"
#include "output/profile_file.h"
#include "output/table_file.h"

namespace {

// Encodes and replaces one file; an encoding failure is reported like a
// failed write, naming the file.
bool scrivi(file_system& fs, const std::string& percorso,
            const std::function<std::string()>& codifica, std::string* err) {
  std::string contenuto;
  try {
    contenuto = codifica();
  } catch (const std::exception& e) {
    *err = percorso + ": " + e.what();
    return false;
  }
  return fs.sostituisci(percorso, contenuto, err);
}

}  // namespace

bool scrivi_file_binari(file_system& fs, const compilazione& c, const percorsi_binari& percorsi,
                        std::string* err) {
  if (!c.celle_create()) {
    *err = "no track cells were compiled: no binary file written";
    return false;
  }
  if (c.j != 0 && c.profilo.has_value() &&
      !scrivi(fs, percorsi.profilo_linea, [&] { return codifica_profilo(*c.profilo); }, err))
    return false;
  if (!scrivi(fs, percorsi.tabella, [&] { return codifica_tabella(c.tabella); }, err))
    return false;
  return scrivi(fs, percorsi.celle, [&] { return codifica_celle(c.celle); }, err);
}
