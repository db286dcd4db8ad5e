#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace compila {

// One element of the line drawing: empty, a 16-bit integer or a double.
// The tag values are the ones written to the line profile file.
struct elemento_profilo {
  enum class etichetta : uint16_t { vuoto = 0, intero = 2, reale = 5 };

  etichetta tag = etichetta::vuoto;
  int16_t intero = 0;
  double reale = 0.0;

  static elemento_profilo da_intero(int16_t v) { return {etichetta::intero, v, 0.0}; }
  static elemento_profilo da_reale(double v) { return {etichetta::reale, 0, v}; }

  friend bool operator==(const elemento_profilo&, const elemento_profilo&) = default;
};

// The metre-by-metre line drawing, metres 0 to N, coordinate 0 (x) or 1 (y).
// Held as one tag and one double per element (a 16-bit integer is exact as a
// double), so the drawing of a 1000000 m route stays small.
class profilo_linea {
 public:
  using etichetta = elemento_profilo::etichetta;

  profilo_linea() = default;
  // All elements empty, metres 0 to ultimo_metro.
  explicit profilo_linea(int32_t ultimo_metro) : ultimo_metro_(ultimo_metro) {
    const auto n = static_cast<size_t>(ultimo_metro) + 1;
    for (int c = 0; c <= 1; ++c) {
      etichette_[c].assign(n, etichetta::vuoto);
      valori_[c].assign(n, 0.0);
    }
  }

  int32_t ultimo_metro() const { return ultimo_metro_; }

  elemento_profilo operator()(int32_t metro, int coordinata) const {
    const auto m = static_cast<size_t>(metro);
    switch (etichette_[indice(coordinata)].at(m)) {
      case etichetta::intero:
        return elemento_profilo::da_intero(static_cast<int16_t>(valori_[indice(coordinata)][m]));
      case etichetta::reale: return elemento_profilo::da_reale(valori_[indice(coordinata)][m]);
      case etichetta::vuoto: break;
    }
    return {};
  }

  // The element's value as a number; an empty element counts as 0.
  double valore(int32_t metro, int coordinata) const {
    return valori_[indice(coordinata)].at(static_cast<size_t>(metro));
  }

  void imposta(int32_t metro, int coordinata, const elemento_profilo& e) {
    const auto m = static_cast<size_t>(metro);
    const int c = indice(coordinata);
    etichette_[c].at(m) = e.tag;
    valori_[c][m] = e.tag == etichetta::intero ? static_cast<double>(e.intero)
                    : e.tag == etichetta::reale ? e.reale
                                                : 0.0;
  }

  // One coordinate's tags and values, metre by metre, for the encoder.
  const std::vector<etichetta>& etichette(int coordinata) const { return etichette_[indice(coordinata)]; }
  const std::vector<double>& valori(int coordinata) const { return valori_[indice(coordinata)]; }

  // Both coordinates of metre `metro` as doubles.
  void imposta_reale(int32_t metro, double x, double y) {
    const auto m = static_cast<size_t>(metro);
    etichette_[0].at(m) = etichetta::reale;
    etichette_[1][m] = etichetta::reale;
    valori_[0][m] = x;
    valori_[1][m] = y;
  }

  friend bool operator==(const profilo_linea&, const profilo_linea&) = default;

 private:
  static int indice(int coordinata) { return coordinata == 0 ? 0 : 1; }

  int32_t ultimo_metro_ = -1;
  std::vector<etichetta> etichette_[2];
  std::vector<double> valori_[2];
};

}  // namespace compila
