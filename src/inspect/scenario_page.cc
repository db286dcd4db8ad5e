#include "inspect/scenario_page.h"

#include <optional>

#include "inspect/line_svg.h"
#include "inspect/page_assets.h"
#include "inspect/page_data.h"
#include "inspect/summary.h"

namespace compila {

// The page's static parts come whole from page_assets.h; what the program
// makes goes between them, never searched for markers itself.
std::string pagina_scenario(const scenario_compilato* s, const resoconto_compilazione* c) {
  namespace p = pagina_statica;
  std::optional<riepilogo> r;
  if (s) r = riassumi(*s);
  const std::string profilo = s ? profilo_svg(*s, *r) : std::string();
  const std::string dati = dati_pagina(s, r ? &*r : nullptr, c);
  std::string html;
  html.reserve(p::prima_dello_stile.size() + p::stile.size() + p::prima_del_profilo.size() +
               profilo.size() + p::prima_dei_dati.size() + dati.size() +
               p::prima_dello_script.size() + p::script.size() + p::fine.size());
  html += p::prima_dello_stile;
  html += p::stile;
  html += p::prima_del_profilo;
  html += profilo;
  html += p::prima_dei_dati;
  html += dati;
  html += p::prima_dello_script;
  html += p::script;
  html += p::fine;
  return html;
}

}  // namespace compila
