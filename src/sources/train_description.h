#pragma once

#include <string>
#include <vector>

namespace compila {

// The train description, one entry per line.
std::vector<std::string> righe_descrizione_treno();

}  // namespace compila
