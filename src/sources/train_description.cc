#include "sources/train_description.h"

std::vector<std::string> righe_descrizione_treno() {
  return {};
}
