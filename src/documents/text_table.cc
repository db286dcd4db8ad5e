#include "documents/text_table.h"

#include <stdexcept>
#include <utility>

namespace compila {

tabella_testo::tabella_testo(std::vector<int> larghezze) : larghezze_(std::move(larghezze)) {}

std::string tabella_testo::riga(const std::vector<std::string>& celle) const {
  if (celle.size() > larghezze_.size()) throw std::logic_error("too many cells: " + celle.front());
  std::string riga = " |";
  for (size_t i = 0; i < celle.size(); ++i) {
    if (celle[i].size() != static_cast<size_t>(larghezze_[i]))
      throw std::logic_error("cell \"" + celle[i] + "\" is not " + std::to_string(larghezze_[i]) +
                             " wide");
    riga += celle[i];
    riga += '|';
  }
  return riga;
}

std::string tabella_testo::riempita(char c) const {
  std::vector<std::string> celle;
  for (int larghezza : larghezze_) celle.emplace_back(larghezza, c);
  return riga(celle);
}

std::string casella(std::string_view testo, int larghezza, int rientro) {
  const int occupati = rientro + static_cast<int>(testo.size());
  if (rientro < 0 || occupati > larghezza)
    throw std::logic_error("\"" + std::string(testo) + "\" does not fit its cell");
  return std::string(rientro, ' ') + std::string(testo) + std::string(larghezza - occupati, ' ');
}

std::string casella_a_destra(std::string_view testo, int larghezza, int margine) {
  return casella(testo, larghezza, larghezza - margine - static_cast<int>(testo.size()));
}

}  // namespace compila
