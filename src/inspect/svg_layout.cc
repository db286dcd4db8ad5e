#include "inspect/svg_layout.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string_view>

namespace compila {

const char* const stile_svg = R"(
  text { font-family: 'DejaVu Sans', Arial, sans-serif; fill: #222; }
  .titolo { font-size: 22px; font-weight: bold; }
  .sottotitolo { font-size: 14px; fill: #555; }
  .etichetta { font-size: 12px; }
  .asse { font-size: 12px; fill: #444; }
  .nome-profilo { font-size: 10px; fill: #333; }
  .legenda { font-size: 13px; }
  .binario { fill: none; stroke: #333; stroke-width: 2.2; stroke-linejoin: round; }
  .coda { fill: none; stroke: #aaa; stroke-width: 1.5; stroke-dasharray: 6 4; }
  .galleria { fill: none; stroke: #8a5a2b; stroke-width: 6; stroke-linecap: butt; opacity: 0.75; }
  .station, .station-detail { fill: #fff; stroke: #1f4e9c; stroke-width: 2.5; }
  .signal, .signal-detail { fill: #d62728; stroke: none; }
  .slowdown, .slowdown-detail { fill: #ff9900; stroke: #b36b00; stroke-width: 1; }
  .sign-board, .sign-board-detail { fill: #2ca02c; stroke: #1d6b1d; stroke-width: 1; }
  .richiamo { fill: none; stroke: #1f4e9c; stroke-width: 14; stroke-linecap: round; stroke-linejoin: round; opacity: 0.12; }
  .guida { stroke: #99a; stroke-width: 0.8; }
  .griglia { stroke: #e4e4e4; stroke-width: 1; }
  .cornice { fill: none; stroke: #888; stroke-width: 1; }
  .banda { fill: #8a5a2b; opacity: 0.16; }
  .quota { fill: #e8d9b5; stroke: #8c6d2c; stroke-width: 1.8; }
  .limite { fill: none; stroke: #1f4e9c; stroke-width: 2; }
  .cartelli-a { fill: none; stroke: #2ca02c; stroke-width: 2; }
  .cartelli-bc { fill: none; stroke: #2ca02c; stroke-width: 1; stroke-dasharray: 4 3; opacity: 0.7; }
  .rallentamento { fill: none; stroke: #ff9900; stroke-width: 6; }
  .station-tick { stroke: #1f4e9c; stroke-width: 1.5; }
  .signal-tick { stroke: #d62728; stroke-width: 1.2; }
)";

std::string stile_svg_entro(const std::string& radice) {
  std::string out;
  std::string_view resto = stile_svg;
  while (!resto.empty()) {
    const size_t fine_riga = std::min(resto.find('\n'), resto.size());
    std::string_view riga = resto.substr(0, fine_riga);
    resto.remove_prefix(std::min(fine_riga + 1, resto.size()));
    const size_t graffa = riga.find('{');
    if (graffa == std::string_view::npos) continue;
    std::string_view selettori = riga.substr(0, graffa);
    std::string scritti;
    while (!selettori.empty()) {
      const size_t virgola = std::min(selettori.find(','), selettori.size());
      std::string_view sel = selettori.substr(0, virgola);
      selettori.remove_prefix(std::min(virgola + 1, selettori.size()));
      while (!sel.empty() && sel.front() == ' ') sel.remove_prefix(1);
      while (!sel.empty() && sel.back() == ' ') sel.remove_suffix(1);
      if (sel.empty()) continue;
      if (!scritti.empty()) scritti += ", ";
      scritti += radice + " " + std::string(sel);
    }
    out += "\n  " + scritti + " " + std::string(riga.substr(graffa));
  }
  return out + "\n";
}

double passo_gradevole(double ampiezza, double quanti) {
  if (!(ampiezza > 0)) return 1;
  const double grezzo = ampiezza / quanti;
  const double potenza = std::pow(10.0, std::floor(std::log10(grezzo)));
  for (double m : {1.0, 2.0, 5.0})
    if (grezzo <= m * potenza) return m * potenza;
  return 10 * potenza;
}

}  // namespace compila
