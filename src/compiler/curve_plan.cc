#include "compiler/curve_plan.h"

namespace {

double valore(const elemento_profilo& e) {
  return e.tag == elemento_profilo::etichetta::intero ? static_cast<double>(e.intero) : e.reale;
}

struct passo {
  double dx;
  double dy;
};

passo ultimo_passo(const profilo_linea& p, int32_t c) {
  return {valore(p(c - 1, 0)) - valore(p(c - 2, 0)), valore(p(c - 1, 1)) - valore(p(c - 2, 1))};
}

void aggiungi(profilo_linea& p, int32_t c, passo s) {
  p(c, 0) = elemento_profilo::da_reale(valore(p(c - 1, 0)) + s.dx);
  p(c, 1) = elemento_profilo::da_reale(valore(p(c - 1, 1)) + s.dy);
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
bool avanza(profilo_linea& p, disegno& d, bool in_curva, double k) {
  if (d.cursore > p.ultimo_metro()) return false;
  passo s = ultimo_passo(p, d.cursore);
  aggiungi(p, d.cursore, in_curva ? girato(s, k) : s);
  ++d.cursore;
  return d.cursore <= ultimo_metro_curve;
}

}  // namespace

void inizia_disegno(profilo_linea& profilo, disegno& d) {
  profilo(0, 0) = elemento_profilo::da_intero(0);
  profilo(0, 1) = elemento_profilo::da_intero(0);
  profilo(1, 0) = elemento_profilo::da_intero(0);
  profilo(1, 1) = elemento_profilo::da_intero(1);
  d.cursore = 2;
}

bool posa_curva(profilo_linea& profilo, disegno& d, int32_t s, int32_t n, double k) {
  int64_t fine = int64_t{s} + n;
  while (d.cursore <= s)
    if (!avanza(profilo, d, false, k)) return false;
  while (d.cursore <= fine)
    if (!avanza(profilo, d, true, k)) return false;
  return true;
}

void completa_disegno(profilo_linea& profilo, disegno& d) {
  while (d.cursore <= profilo.ultimo_metro() - 2) {
    aggiungi(profilo, d.cursore, ultimo_passo(profilo, d.cursore));
    ++d.cursore;
  }
}
