#include "sources/line_description.h"

std::vector<std::string> righe_descrizione_linea() {
  return {};
}
