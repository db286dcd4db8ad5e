#include "inspect/json_summary.h"

#include "inspect/summary_object.h"

namespace compila {

using json = nlohmann::ordered_json;

namespace {

json sezione_json(const voce_scenario& v) {
  return {{"start_m", v.valore_1}, {"reference_m", v.valore_2}, {"flag", v.valore_3}};
}

json generali(const scenario_compilato& s) {
  const tabella_scenario& t = s.tabella;
  const voce_scenario& g = t[voce::generale_treno];
  const voce_scenario& l = t[voce::linea];
  const voce_scenario& n = t[voce::treno];
  json out = {
      {"chainage_sections",
       json::array({sezione_json(t[voce::progressiva_tre]), sezione_json(t[voce::progressiva_due]),
                    sezione_json(t[voce::progressiva_uno])})},
      {"train_and_route",
       {{"braked_mass_percent", g.valore_1},
        {"route_length_m", g.valore_2},
        {"coaches", g.valore_3}}},
      {"line",
       {{"name", l.testo},
        {"background_uno", l.valore_1},
        {"background_tre", l.valore_2},
        {"background_due", l.valore_3},
        {"marker", l.intero_1},
        {"weighted_code", l.valore_4}}},
      {"train",
       {{"name", n.testo},
        {"signal_repetition_start_m", n.valore_1},
        {"signal_repetition_end_m", n.valore_2},
        {"signal_repetition_codes", n.valore_3},
        {"sand", n.intero_1},
        {"clock", {{"hours", n.intero_3}, {"minutes", n.intero_4}, {"seconds", n.intero_5}}}}},
  };
  if (s.celle.size() > 1)
    out["cell_1"] = {{"marker", s.celle[1].dato_1}, {"plain_code", s.celle[1].dato_2}};
  return out;
}

json stazione_json(const stazione_vista& st) {
  const voce_scenario& v = *st.voce;
  json out = {{"record", st.record},
              {"name", v.testo},
              {"kind", v.tipo},
              {"start_m", v.valore_1},
              {"end_m", v.valore_2},
              {"position_m", v.valore_3},
              {"time", orario(v.valore_4)},
              {"time_s", v.valore_4},
              {"stop_cell", st.cella_fermata < 0 ? json(nullptr) : json(st.cella_fermata)},
              {"marca", v.marca},
              {"intero", {v.intero_1, v.intero_2, v.intero_3, v.intero_4, v.intero_5}},
              {"byte", {v.byte_1, v.byte_2, v.byte_3, v.byte_4}}};
  return out;
}

json caratteristica_json(const caratteristica& c) {
  json valori = json::object();
  for (const auto& [nome, valore] : c.valori) valori[nome] = valore;
  return {{"cell", c.cella},     {"position_m", c.posizione},    {"type", c.tipo},
          {"feature", c.genere}, {"description", c.descrizione}, {"values", valori}};
}

}  // namespace

json oggetto_riepilogo(const scenario_compilato& s, const riepilogo& r) {
  json out = {{"route_length_m", r.lunghezza_percorso},
              {"cells", s.celle.size()},
              {"drawing_last_metre", s.profilo.ultimo_metro()},
              {"general", generali(s)}};
  json& stazioni = out["stations"] = json::array();
  for (const stazione_vista& st : r.stazioni) stazioni.push_back(stazione_json(st));
  json& cartelli = out["sign_boards"] = json::array();
  for (const cartello_visto& c : r.cartelli)
    cartelli.push_back(
        {{"record", c.record},
         {"text", c.testo},
         {"cell", c.cella < 0 ? json(nullptr) : json(c.cella)},
         {"position_m", c.cella < 0 ? json(nullptr) : json((c.cella - 1) * lunghezza_cella)}});
  json& gallerie = out["tunnels"] = json::array();
  for (const galleria_vista& g : r.gallerie)
    gallerie.push_back({{"start_m", g.inizio()},
                        {"end_m", g.fine()},
                        {"first_cell", g.prima_cella},
                        {"last_cell", g.ultima_cella},
                        {"code", g.codice},
                        {"markers", g.marcatori}});
  json& caratteristiche = out["point_features"] = json::array();
  for (const caratteristica& c : r.caratteristiche)
    caratteristiche.push_back(caratteristica_json(c));
  return out;
}

std::string riepilogo_json(const scenario_compilato& s, const riepilogo& r) {
  // Texts decoded from the files are valid UTF-8; replace rather than throw
  // should one ever not be.
  return oggetto_riepilogo(s, r).dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

}  // namespace compila
