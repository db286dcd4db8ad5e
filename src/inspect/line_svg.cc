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

}  // namespace

std::string disegno_svg(const scenario_compilato& s, const riepilogo& r) {
  // A table without a route length still gets a page as long as its cells.
  const int32_t fine_percorso = r.lunghezza_percorso > 0
                                    ? r.lunghezza_percorso
                                    : static_cast<int32_t>(s.celle.size()) * lunghezza_cella;
  foglio_svg f;
  f.aggiungi(formato(
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" height=\"%.0f\" "
      "viewBox=\"0 0 %.0f %.0f\">\n",
      larghezza_pagina, altezza_pagina, larghezza_pagina, altezza_pagina));
  f.aggiungi("<style>" + std::string(stile_svg) + "</style>\n");
  f.aggiungi("<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n");
  titolo(s, r, fine_percorso, f);
  disegna_pianta(s, r, fine_percorso, f);
  disegna_profilo(s, r, fine_percorso, f);
  f.aggiungi("</svg>\n");
  return f.svg();
}

}  // namespace compila
