#include "app/binary_files.h"

#include <exception>
#include <functional>
#include <string_view>

#include "output/cell_file.h"
#include "output/table_file.h"

namespace compila {

namespace {

// Encodes and replaces one file; an encoding failure is reported like a
// failed write, naming the file.
bool scrivi(file_system& fs, const std::string& percorso,
            const std::function<std::string()>& codifica, std::string* err,
            std::vector<std::string>* scritti) {
  std::string contenuto;
  try {
    contenuto = codifica();
  } catch (const std::exception& e) {
    *err = percorso + ": " + e.what();
    return false;
  }
  if (!fs.sostituisci(percorso, contenuto, err)) return false;
  if (scritti) scritti->push_back(percorso);
  return true;
}

// The line drawing is held as its file's bytes, x's half then y's: written
// as they are, from where they lie. A drawing compiled to its end has them
// as one run; only a drawing cut short is joined first.
bool scrivi_disegno(file_system& fs, const std::string& percorso, const profilo_linea& profilo,
                    std::string* err, std::vector<std::string>* scritti) {
  const std::string_view x = profilo.meta(0), y = profilo.meta(1);
  const bool contigue = x.data() + x.size() == y.data();
  if (!fs.sostituisci(percorso,
                      contigue ? std::string_view(x.data(), x.size() + y.size())
                               : std::string_view(std::string(x).append(y)),
                      err))
    return false;
  if (scritti) scritti->push_back(percorso);
  return true;
}

}  // namespace

bool scrivi_file_binari(file_system& fs, const scenario_compilato& s,
                        const percorsi_binari& percorsi, std::string* err,
                        std::vector<std::string>* scritti) {
  if (!s.celle_create()) {
    *err = "no track cells were compiled: no binary file written";
    return false;
  }
  if (s.con_disegno() && !scrivi_disegno(fs, percorsi.profilo_linea, s.profilo, err, scritti))
    return false;
  if (!scrivi(fs, percorsi.tabella, [&] { return codifica_tabella(s.tabella); }, err, scritti))
    return false;
  return scrivi(fs, percorsi.celle, [&] { return codifica_celle(s.celle); }, err, scritti);
}

}  // namespace compila
