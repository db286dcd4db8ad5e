#pragma once

#include <string>
#include <vector>

namespace compila {

// Helpers for the tests of the driver's documents, whose lines are numbered
// from 1 as the driver reads them.

// Characters of a UTF-8 line (the notes hold accented letters).
inline int caratteri(const std::string& riga) {
  int n = 0;
  for (unsigned char c : riga)
    if ((c & 0xC0) != 0x80) ++n;
  return n;
}

// Columns of the bars, counting from 1.
inline std::vector<int> colonne_barre(const std::string& riga) {
  std::vector<int> colonne;
  for (size_t i = 0; i < riga.size(); ++i)
    if (riga[i] == '|') colonne.push_back(static_cast<int>(i) + 1);
  return colonne;
}

// Lines `da` to `a` (both included) of a document.
inline std::vector<std::string> righe_da_a(const std::vector<std::string>& doc, int da, int a) {
  return {doc.begin() + (da - 1), doc.begin() + a};
}

}  // namespace compila
