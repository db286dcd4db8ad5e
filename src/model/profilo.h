#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

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
class profilo_linea {
 public:
  profilo_linea() = default;
  // All elements empty, metres 0 to ultimo_metro.
  explicit profilo_linea(int32_t ultimo_metro)
      : ultimo_metro_(ultimo_metro),
        x_(static_cast<size_t>(ultimo_metro) + 1),
        y_(static_cast<size_t>(ultimo_metro) + 1) {}

  int32_t ultimo_metro() const { return ultimo_metro_; }
  elemento_profilo& operator()(int32_t metro, int coordinata) {
    return coordinata == 0 ? x_.at(metro) : y_.at(metro);
  }
  const elemento_profilo& operator()(int32_t metro, int coordinata) const {
    return coordinata == 0 ? x_.at(metro) : y_.at(metro);
  }

  friend bool operator==(const profilo_linea&, const profilo_linea&) = default;

 private:
  int32_t ultimo_metro_ = -1;
  std::vector<elemento_profilo> x_;
  std::vector<elemento_profilo> y_;
};
