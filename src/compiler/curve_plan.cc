#include "compiler/curve_plan.h"

namespace compila {

namespace {

struct passo {
  double dx;
  double dy;
};

// The last step, as the last two points give it.
passo ultimo_passo(const stato_disegno& d) { return {d.x1 - d.x2, d.y1 - d.y2}; }

void aggiungi(profilo_linea& p, stato_disegno& d, passo s) {
  const double x = d.x1 + s.dx;
  const double y = d.y1 + s.dy;
  p.imposta_reale(d.cursore, x, y);
  d.x2 = d.x1;
  d.y2 = d.y1;
  d.x1 = x;
  d.y1 = y;
  ++d.cursore;
}

// Each component of the turned step is computed and stored on its own before
// it is added: the drawing must come out bit for bit the same everywhere.
passo girato(passo s, double k) {
  double ky = k * s.dy;
  double gx = s.dx + ky;
  double kx = k * s.dx;
  double gy = s.dy - kx;
  return {gx, gy};
}

// One metre drawn, if it may be: false past the last row or metre 1000000.
bool avanza(profilo_linea& p, stato_disegno& d, bool in_curva, double k) {
  if (d.cursore > p.ultimo_metro()) return false;
  passo s = ultimo_passo(d);
  aggiungi(p, d, in_curva ? girato(s, k) : s);
  return d.cursore <= ultimo_metro_curve;
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
  while (d.cursore <= s)
    if (!avanza(profilo, d, false, k)) return false;
  while (d.cursore <= fine)
    if (!avanza(profilo, d, true, k)) return false;
  return true;
}

void completa_disegno(profilo_linea& profilo, stato_disegno& d) {
  while (d.cursore <= profilo.ultimo_metro() - 2) aggiungi(profilo, d, ultimo_passo(d));
}

}  // namespace compila
