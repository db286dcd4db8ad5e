#pragma once

#include <string>
#include <vector>

namespace compila {

// Helpers for the tests of the driver's documents, whose lines are numbered
// from 1 as the driver reads them.

// Columns of the bars, counting from 1.
inline std::vector<int> colonne_barre(const std::string& riga) {
  std::vector<int> colonne;
  for (size_t i = 0; i < riga.size(); ++i)
    if (riga[i] == '|') colonne.push_back(static_cast<int>(i) + 1);
  return colonne;
}

}  // namespace compila
