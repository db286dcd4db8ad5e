#include "compiler/curve_plan.h"

namespace compila {

namespace {

struct passo {
  double dx;
  double dy;
};

// Each component of the turned step is computed and stored on its own before
// it is added: the drawing must come out bit for bit the same everywhere.
passo girato(passo s, double k) {
  double ky = k * s.dy;
  double gx = s.dx + ky;
  double kx = k * s.dx;
  double gy = s.dy - kx;
  return {gx, gy};
}

// Draws the metres from the cursor up to `fine`: each new point is the last
// one plus the last step, turned by k on a curve. The last two points and
// the write position stay in locals for the whole stretch. False when it
// stopped at a metre it may not draw: past the drawing's last row or, while
// `fino_al_milione`, past metre 1000000.
template <bool in_curva, bool fino_al_milione>
bool traccia(profilo_linea& p, stato_disegno& d, int64_t fine, double k) {
  profilo_linea::coda q = p.apri_coda(d.cursore);
  double x1 = d.x1, y1 = d.y1, x2 = d.x2, y2 = d.y2;
  bool ok = true;
  while (q.metro <= fine) {
    if (q.metro > q.limite && !p.aggiungi_oltre(q)) {
      ok = false;
      break;
    }
    passo s{x1 - x2, y1 - y2};
    if (in_curva) s = girato(s, k);
    const double x = x1 + s.dx;
    const double y = y1 + s.dy;
    profilo_linea::aggiungi_a_coda(q, x, y);
    x2 = x1;
    y2 = y1;
    x1 = x;
    y1 = y;
    if (fino_al_milione && q.metro > ultimo_metro_curve) {
      ok = false;
      break;
    }
  }
  p.chiudi_coda(q);
  d = {q.metro, x1, y1, x2, y2};
  return ok;
}

}  // namespace

void inizia_disegno(profilo_linea& profilo, stato_disegno& d) {
  profilo.imposta(0, 0, elemento_profilo::da_intero(0));
  profilo.imposta(0, 1, elemento_profilo::da_intero(0));
  profilo.imposta(1, 0, elemento_profilo::da_intero(0));
  profilo.imposta(1, 1, elemento_profilo::da_intero(1));
  d = stato_disegno{};
}

bool posa_curva(profilo_linea& profilo, stato_disegno& d, int32_t s, int32_t n, double k) {
  int64_t fine = int64_t{s} + n;
  return traccia<false, true>(profilo, d, s, k) && traccia<true, true>(profilo, d, fine, k);
}

void completa_disegno(profilo_linea& profilo, stato_disegno& d) {
  traccia<false, false>(profilo, d, int64_t{profilo.ultimo_metro()} - 2, 0.0);
}

}  // namespace compila
