#pragma once

#include <string>
#include <vector>

namespace compila {

// The line description, one entry per line.
std::vector<std::string> righe_descrizione_linea();

}  // namespace compila
