#include "inspect/summary.h"

#include <cstdio>
#include <cstdlib>

namespace compila {

namespace {

int32_t inizio_cella(size_t k) { return static_cast<int32_t>(k) * lunghezza_cella; }

// Boards, signals and slowdown marks go into the cell after their position;
// stops, code changes and other marks stand at the start of their own cell.
int32_t posizione_caratteristica(size_t k, uint8_t t) {
  switch (t) {
    case tipo::fermata:
    case tipo::cambio_codice:
    case tipo::cambio_codice_senza_valore:
    case tipo::marcatore_montagna: return inizio_cella(k);
    default: return inizio_cella(k) - lunghezza_cella;
  }
}

std::string testo_voce(const tabella_scenario& t, int r) {
  if (r < 0 || r >= numero_voci) return "";
  return t[static_cast<size_t>(r)].testo;
}

void descrivi_segnale(const cella& c, caratteristica* f) {
  const int rapp = c.dato_4 / 10, coppia = c.dato_4 % 10;
  const int sx = coppia / 3, dx = coppia % 3;
  const int s1 = c.dato_1 / 10, s2 = c.dato_2 / 10, s3 = c.dato_3 / 10;
  const int d1 = c.dato_1 % 10, d2 = c.dato_2 % 10, d3 = c.dato_3 % 10;
  f->genere = "signal";
  f->valori = {{"sx", sx}, {"s1", s1}, {"s2", s2}, {"s3", s3}, {"rapp", rapp},
               {"dx", dx}, {"d1", d1}, {"d2", d2}, {"d3", d3}, {"tempo", c.tempo}};
  f->descrizione = "left kind " + std::to_string(sx) + ": " + std::to_string(s1) + " " +
                   std::to_string(s2) + " " + std::to_string(s3);
  if (dx != 0 || d1 != 0 || d2 != 0 || d3 != 0)
    f->descrizione += ", right kind " + std::to_string(dx) + ": " + std::to_string(d1) + " " +
                      std::to_string(d2) + " " + std::to_string(d3);
  if (rapp != 0) f->descrizione += ", rapp " + std::to_string(rapp);
  if (c.tempo != 0) f->descrizione += ", time " + std::to_string(c.tempo);
}

void descrivi_rallentamento(const cella& c, const char* genere, bool con_f_tt, caratteristica* f) {
  f->genere = genere;
  f->valori = {{"speed_kmh", c.dato_1}, {"d_v", c.dato_2}};
  f->velocita_kmh = {c.dato_1};
  f->descrizione = std::to_string(c.dato_1) + " km/h";
  if (c.dato_2 != 0) f->descrizione += ", d_v " + std::to_string(c.dato_2);
  if (con_f_tt) {
    f->valori.emplace_back("f_tt", c.dato_3);
    if (c.dato_3 != 0) f->descrizione += ", f_tt " + std::to_string(c.dato_3);
  }
}

void descrivi_indicatori(const cella& c, caratteristica* f) {
  const auto [a1, a2] = velocita_cartello(c.dato_1);
  const auto [b1, b2] = velocita_cartello(c.dato_2);
  const auto [c1, c2] = velocita_cartello(c.dato_3);
  const int strisce1 = c.dato_4 / 10, strisce2 = c.dato_4 % 10;
  f->genere = "speed boards";
  f->velocita_kmh = {a1, b1, c1, a2, b2, c2};
  f->valori = {{"a_kmh", a1},        {"b_kmh", b1},
               {"c_kmh", c1},        {"stripes", strisce1},
               {"second_a_kmh", a2}, {"second_b_kmh", b2},
               {"second_c_kmh", c2}, {"second_stripes", strisce2}};
  char buf[160];
  std::snprintf(buf, sizeof buf, "%d/%d/%d km/h, %d stripes", a1, b1, c1, strisce1);
  f->descrizione = buf;
  if (a2 != 0 || b2 != 0 || c2 != 0 || strisce2 != 0) {
    std::snprintf(buf, sizeof buf, "; second set %d/%d/%d km/h, %d stripes", a2, b2, c2, strisce2);
    f->descrizione += buf;
  }
}

caratteristica descrivi(const tabella_scenario& t, size_t k, const cella& c) {
  caratteristica f;
  f.cella = static_cast<int>(k);
  f.tipo = c.tipo_cella;
  f.posizione = posizione_caratteristica(k, c.tipo_cella);
  switch (c.tipo_cella) {
    case tipo::segnale: descrivi_segnale(c, &f); break;
    case tipo::fine_rallentamento: descrivi_rallentamento(c, "slowdown end", true, &f); break;
    case tipo::inizio_rallentamento: descrivi_rallentamento(c, "slowdown start", true, &f); break;
    case tipo::avviso_rallentamento: descrivi_rallentamento(c, "slowdown warning board", false, &f); break;
    case tipo::approccio_avviso:
      f.genere = "warning board approach";
      f.valori = {{"sequence", c.dato_1}};
      f.descrizione = "cell " + std::to_string(c.dato_1) + " before the board";
      break;
    case tipo::indicatori_v_max: descrivi_indicatori(c, &f); break;
    case tipo::fermata:
      f.genere = "station stop";
      f.valori = {{"record", c.dato_1}};
      f.descrizione = "record " + std::to_string(c.dato_1) + " " + testo_voce(t, c.dato_1);
      break;
    case tipo::cambio_codice:
      f.genere = "code change";
      f.valori = {{"code", c.dato_1}};
      f.descrizione = "code " + std::to_string(c.dato_1);
      break;
    case tipo::cambio_codice_senza_valore:
      f.genere = "code change";
      f.descrizione = "without a value";
      break;
    case tipo::cartello:
      f.genere = "sign board";
      f.valori = {{"record", c.dato_1}};
      f.descrizione = "record " + std::to_string(c.dato_1) + " " + testo_voce(t, c.dato_1);
      break;
    default:
      f.genere = "type " + std::to_string(c.tipo_cella);
      f.valori = {
          {"dato_1", c.dato_1}, {"dato_2", c.dato_2}, {"dato_3", c.dato_3}, {"dato_4", c.dato_4}};
      f.descrizione = "values " + std::to_string(c.dato_1) + " " + std::to_string(c.dato_2) + " " +
                      std::to_string(c.dato_3) + " " + std::to_string(c.dato_4);
      break;
  }
  return f;
}

void aggiungi_gallerie(const array_celle& celle, std::vector<galleria_vista>* gallerie) {
  for (size_t k = 0; k < celle.size(); ++k) {
    const cella& c = celle[k];
    if (c.montagna == 0) continue;
    galleria_vista* g = gallerie->empty() ? nullptr : &gallerie->back();
    if (!g || g->ultima_cella + 1 != static_cast<int>(k) || g->codice != c.montagna) {
      gallerie->push_back({static_cast<int>(k), static_cast<int>(k), c.montagna, 0});
      g = &gallerie->back();
    }
    g->ultima_cella = static_cast<int>(k);
    if (c.tipo_cella == tipo::marcatore_montagna) ++g->marcatori;
  }
}

int cella_che_nomina(const array_celle& celle, uint8_t t, int record) {
  for (size_t k = 0; k < celle.size(); ++k)
    if (celle[k].tipo_cella == t && celle[k].dato_1 == record) return static_cast<int>(k);
  return -1;
}

}  // namespace

bool voce_vuota(const voce_scenario& v) { return v == voce_scenario{}; }

bool solo_testo(const voce_scenario& v) {
  voce_scenario senza_testo = v;
  senza_testo.testo.clear();
  return !v.testo.empty() && voce_vuota(senza_testo);
}

std::pair<int, int> velocita_cartello(int16_t impaccato) {
  const std::div_t q = std::div(impaccato, 20);
  return {q.quot, q.rem * 5};
}

std::string orario(int32_t secondi) {
  const int64_t s = std::llabs(static_cast<int64_t>(secondi));
  char buf[32];
  std::snprintf(buf, sizeof buf, "%s%02lld:%02lld:%02lld", secondi < 0 ? "-" : "",
                static_cast<long long>(s / 3600), static_cast<long long>(s / 60 % 60),
                static_cast<long long>(s % 60));
  return buf;
}

caratteristiche_celle::caratteristiche_celle(const scenario_compilato& s) : s_(&s) {
  for (size_t k = 0; k < s.celle.size(); ++k) {
    const uint8_t t = s.celle[k].tipo_cella;
    if (t != tipo::nessuno && t != tipo::marcatore_montagna)
      celle_.push_back(static_cast<int32_t>(k));
  }
}

caratteristica caratteristiche_celle::operator[](size_t i) const {
  const auto k = static_cast<size_t>(celle_[i]);
  return descrivi(s_->tabella, k, s_->celle[k]);
}

riepilogo riassumi(const scenario_compilato& s) {
  riepilogo r;
  r.lunghezza_percorso = s.tabella[voce::generale_treno].valore_2;

  int primo_cartello = voce::primo_cartello + 1;
  while (primo_cartello - 1 >= 1 && solo_testo(s.tabella[static_cast<size_t>(primo_cartello - 1)]))
    --primo_cartello;
  for (int k = voce::primo_cartello; k >= primo_cartello; --k)
    r.cartelli.push_back(
        {k, s.tabella[static_cast<size_t>(k)].testo, cella_che_nomina(s.celle, tipo::cartello, k)});
  for (int k = 1; k < primo_cartello && !voce_vuota(s.tabella[static_cast<size_t>(k)]); ++k)
    r.stazioni.push_back(
        {k, &s.tabella[static_cast<size_t>(k)], cella_che_nomina(s.celle, tipo::fermata, k)});

  r.caratteristiche = caratteristiche_celle(s);
  aggiungi_gallerie(s.celle, &r.gallerie);
  return r;
}

}  // namespace compila
