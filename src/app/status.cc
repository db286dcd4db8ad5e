#include "app/status.h"

namespace compila {

bool directory_uscita_esiste(file_system& fs, const std::optional<std::string>& directory,
                             std::ostream& err) {
  if (!directory || fs.e_directory(*directory)) return true;
  err << prefisso << "output directory " << *directory << " does not exist\n";
  return false;
}

}  // namespace compila
