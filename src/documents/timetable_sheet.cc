#include "documents/timetable_sheet.h"

std::vector<std::string> righe_scheda_treno() {
  return {};
}
