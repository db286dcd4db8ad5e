#pragma once

#include <optional>
#include <vector>

namespace compila {

struct punto {
  double x = 0, y = 0;
};

// A box on the page, from (x0, y0) to (x1, y1).
struct scatola {
  double x0, y0, x1, y1;
  bool tocca(const scatola& o) const { return x0 < o.x1 && o.x0 < x1 && y0 < o.y1 && o.y0 < y1; }
};

// Where a label goes, and the end of the guide drawn to it from its point
// when it stands away from it.
struct posto_etichetta {
  scatola riquadro;
  std::optional<punto> fine_guida;
};

// A label `larghezza` by `altezza` pixels for the point q takes the first
// spot around q that lies inside `area` and covers none of the `occupate`
// boxes: the nearest ring first, and on each ring right and left before
// upwards and downwards; a label right of q starts there, one left of it ends
// there. Its box joins the occupied ones. None when no spot is free.
std::optional<posto_etichetta> posa_etichetta(punto q, double larghezza, double altezza,
                                              const scatola& area,
                                              std::vector<scatola>& occupate);

}  // namespace compila
