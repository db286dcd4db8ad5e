#pragma once

#include <string>
#include <vector>

namespace compila {

// The four-page timetable sheet, one entry per line.
std::vector<std::string> righe_scheda_treno();

}  // namespace compila
