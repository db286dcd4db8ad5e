#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace compila {

// The ruled tables of the driver's documents. A table line is a blank and a
// bar, then every cell followed by a bar; the cells have fixed widths, so the
// bars of every line stand in the same columns.
class tabella_testo {
 public:
  explicit tabella_testo(std::vector<int> larghezze);

  // Joins the cells, each exactly as wide as its column (else throws
  // std::logic_error). A line may stop before the last columns.
  std::string riga(const std::vector<std::string>& celle) const;

  // Every cell blank.
  std::string riga_vuota() const { return riempita(' '); }

  // Every cell underlined: the rule under a head or at the foot of a table.
  std::string filetto() const { return riempita('_'); }

 private:
  std::string riempita(char c) const;

  std::vector<int> larghezze_;
};

// A cell `larghezza` wide holding `testo` after `rientro` blanks, padded with
// blanks on the right. Throws std::logic_error when the text does not fit.
std::string casella(std::string_view testo, int larghezza, int rientro);

// A cell `larghezza` wide holding `testo` with `margine` blanks after it.
std::string casella_a_destra(std::string_view testo, int larghezza, int margine);

}  // namespace compila
