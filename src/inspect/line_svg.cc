#include "inspect/line_svg.h"

#include "inspect/line_plan_svg.h"
#include "inspect/line_profile_svg.h"
#include "inspect/printf_format.h"
#include "inspect/svg_layout.h"

namespace compila {

namespace {

void titolo(const scenario_compilato& s, const riepilogo& r, int32_t fine_percorso,
            foglio_svg& f) {
  const voce_scenario& l = s.tabella[voce::linea];
  const voce_scenario& t = s.tabella[voce::treno];
  f.testo(margine_sinistro, 32, "titolo", "Line " + l.testo + "  \u2014  train " + t.testo);
  f.testo(margine_sinistro, 50, "sottotitolo",
          formato("route %.1f km, %zu cells of 50 m, %zu stations, %zu sign boards, %zu point "
                  "features",
                  fine_percorso / 1000.0, s.celle.size(), r.stazioni.size(), r.cartelli.size(),
                  r.caratteristiche.size()));
}

// A table without a route length still gets a page as long as its cells.
int32_t fine_percorso(const scenario_compilato& s, const riepilogo& r) {
  return r.lunghezza_percorso > 0 ? r.lunghezza_percorso
                                  : static_cast<int32_t>(s.celle.size()) * lunghezza_cella;
}

// Above the profile's frame stand its legend and the kilometres; below it,
// down to the page's end, the stations' slanting names.
constexpr double profilo_margine_alto = 62;

}  // namespace

std::string disegno_svg(const scenario_compilato& s, const riepilogo& r) {
  const int32_t fine = fine_percorso(s, r);
  foglio_svg f;
  f.aggiungi(formato(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" height=\"%.0f\" "
      "viewBox=\"0 0 %.0f %.0f\">\n",
      larghezza_pagina, altezza_pagina, larghezza_pagina, altezza_pagina));
  f.aggiungi("<style>" + std::string(stile_svg) + "</style>\n");
  f.aggiungi("<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n");
  titolo(s, r, fine, f);
  disegna_pianta(s, r, fine, f);
  disegna_profilo(s, r, fine, f);
  f.aggiungi("</svg>\n");
  return f.svg();
}

std::string profilo_svg(const scenario_compilato& s, const riepilogo& r) {
  const int32_t fine = fine_percorso(s, r);
  const double alto = profilo_alto - profilo_margine_alto;
  foglio_svg f;
  f.aggiungi(formato(
      "<svg id=\"profile-svg\" xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 %.0f %.0f %.0f\" "
      "data-x0=\"%.0f\" data-x1=\"%.0f\" data-y0=\"%.0f\" data-y1=\"%.0f\" "
      "data-route-m=\"%d\">\n",
      alto, larghezza_pagina, altezza_pagina - alto, margine_sinistro,
      margine_sinistro + larghezza_pannelli, profilo_alto, profilo_alto + profilo_altezza, fine));
  f.aggiungi("<style>" + stile_svg_entro("#profile-svg") + "</style>\n");
  disegna_profilo(s, r, fine, f);
  f.aggiungi("</svg>\n");
  return f.svg();
}

}  // namespace compila
