#include "inspect/label_placement.h"

#include <cmath>
#include <initializer_list>

namespace compila {

std::optional<posto_etichetta> posa_etichetta(punto q, double larghezza, double altezza,
                                              const scatola& area,
                                              std::vector<scatola>& occupate) {
  // Eighths of a turn from the right, right and left first, then upwards and
  // downwards.
  static constexpr int ordine[16] = {0, 8, 1, 15, 7, 9, 2, 14, 6, 10, 3, 13, 5, 11, 4, 12};
  for (double raggio : {10.0, 22.0, 36.0, 54.0, 76.0, 100.0}) {
    for (int a = 0; a < 16; ++a) {
      const double ang = ordine[a] * 3.14159265358979 / 8;
      const double dx = std::cos(ang) * raggio, dy = std::sin(ang) * raggio;
      const double lx = dx >= -0.5 ? q.x + dx : q.x + dx - larghezza;
      const double ly = q.y + dy;
      const scatola b{lx, ly - altezza / 2, lx + larghezza, ly + altezza / 2};
      if (b.x0 < area.x0 || b.x1 > area.x1 || b.y0 < area.y0 || b.y1 > area.y1) continue;
      bool libera = true;
      for (const scatola& o : occupate) libera = libera && !o.tocca(b);
      if (!libera) continue;
      occupate.push_back(b);
      posto_etichetta posto{b, std::nullopt};
      if (raggio > 12) posto.fine_guida = punto{q.x + dx, ly};
      return posto;
    }
  }
  return std::nullopt;
}

}  // namespace compila
