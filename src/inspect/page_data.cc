#include "inspect/page_data.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "inspect/summary_object.h"

namespace compila {

using json = nlohmann::ordered_json;

namespace {

// A coordinate in decimetres, or nothing where the drawing has no finite
// value (an empty element, or one too large to be a place on the line).
std::optional<int64_t> in_decimetri(const elemento_profilo& e) {
  if (e.tag == elemento_profilo::etichetta::vuoto) return std::nullopt;
  const double metri = e.tag == elemento_profilo::etichetta::intero ? e.intero : e.reale;
  const double decimetri = metri * 10;
  if (!std::isfinite(decimetri) || std::fabs(decimetri) > 1e15) return std::nullopt;
  return static_cast<int64_t>(std::nearbyint(decimetri));  // a half to the even neighbour
}

// The points every passo_pianta_m metres, in runs of points present: the
// first pair of a run as it is, each next pair as its difference from the one
// before, so that the rounding adds up no error along the line.
json pianta(const profilo_linea& p) {
  json corse = json::array();
  json* corsa = nullptr;
  int64_t x0 = 0, y0 = 0;
  for (int32_t m = 0; m <= p.ultimo_metro(); m += passo_pianta_m) {
    const std::optional<int64_t> x = in_decimetri(p(m, 0)), y = in_decimetri(p(m, 1));
    if (!x || !y) {
      corsa = nullptr;
      continue;
    }
    if (!corsa) {
      corse.push_back({{"from_m", m}, {"xy", {*x, *y}}});
      corsa = &corse.back()["xy"];
    } else {
      corsa->push_back(*x - x0);
      corsa->push_back(*y - y0);
    }
    x0 = *x;
    y0 = *y;
  }
  return {{"step_m", passo_pianta_m}, {"unit_m", 0.1}, {"runs", corse}};
}

json senza_scenario() {
  return {{"route_length_m", 0}, {"cells", 0},           {"drawing_last_metre", -1},
          {"general", nullptr},  {"stations", json::array()}, {"sign_boards", json::array()},
          {"tunnels", json::array()}, {"point_features", json::array()}};
}

json intero_o_null(const std::optional<int32_t>& v) { return v ? json(*v) : json(nullptr); }

json compilazione_json(const resoconto_compilazione& c) {
  json anomalie = json::array();
  for (const anomalia_segnalata& a : c.anomalie)
    anomalie.push_back({{"file", a.file},
                        {"line", intero_o_null(a.riga)},
                        {"code", a.codice},
                        {"position", intero_o_null(a.posizione)},
                        {"source", a.origine},
                        {"message", a.messaggio}});
  return {{"generation", c.generazione},
          {"time", c.ora},
          {"line_file", c.file_linea},
          {"train_file", c.file_treno},
          {"ok", c.ok},
          {"fatal", intero_o_null(c.errore_fatale)},
          {"errors", c.errori},
          {"anomalies", anomalie}};
}

}  // namespace

std::string dati_pagina(const scenario_compilato* s, const riepilogo* r,
                        const resoconto_compilazione* c) {
  json dati = s && r ? oggetto_riepilogo(*s, *r) : senza_scenario();
  dati["plan"] = s && s->con_disegno() ? pianta(s->profilo) : json(nullptr);
  dati["compile"] = c ? compilazione_json(*c) : json(nullptr);
  // File names from another code page may not be UTF-8: replaced, not thrown.
  const std::string testo = dati.dump(-1, ' ', false, json::error_handler_t::replace);
  std::string out;
  out.reserve(testo.size() + 64);
  for (char ch : testo) {
    if (ch == '<')
      out += "\\u003c";
    else
      out += ch;
  }
  return out;
}

}  // namespace compila
