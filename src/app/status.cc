#include "app/status.h"

namespace compila {

bool directory_di_sistema(const std::string& directory) {
  return directory == "/usr" || directory.rfind("/usr/", 0) == 0;
}

bool directory_uscita_esiste(file_system& fs, const std::optional<std::string>& directory,
                             std::ostream& err) {
  if (!directory || fs.e_directory(*directory)) return true;
  err << prefisso << "output directory " << *directory << " does not exist\n";
  return false;
}

}  // namespace compila
