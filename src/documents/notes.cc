#include "documents/notes.h"

std::vector<std::string> righe_note() {
  return {};
}
