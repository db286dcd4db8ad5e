#include "inspect/summary.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "inspect/built_in_scenario.h"

using namespace compila;

// The built-in scenario read back from its files: what the compile is known
// to produce, in the summary's terms.
namespace {

const riepilogo& integrato() {
  static const riepilogo r = riassumi(scenario_integrato());
  return r;
}

caratteristica nella_cella(int k) {
  const auto& v = integrato().caratteristiche;
  auto it = std::find_if(v.begin(), v.end(), [&](const caratteristica& c) { return c.cella == k; });
  EXPECT_NE(it, v.end()) << k;
  return *it;
}

TEST(RiepilogoIntegrato, RouteCellsAndDrawing) {
  EXPECT_EQ(integrato().lunghezza_percorso, 219000);
  EXPECT_EQ(scenario_integrato().celle.size(), 4521u);
  EXPECT_EQ(scenario_integrato().profilo.ultimo_metro(), 226000);
}

TEST(RiepilogoIntegrato, ThirtyFiveStationsFromRecord1) {
  const auto& st = integrato().stazioni;
  ASSERT_EQ(st.size(), 35u);
  EXPECT_EQ(st.front().record, 1);
  EXPECT_EQ(st.front().voce->testo, "VERONA  P. N.");
  EXPECT_EQ(st.front().voce->valore_1, -700);
  EXPECT_EQ(st.front().voce->valore_2, 700);
  EXPECT_EQ(st.front().cella_fermata, 13);
  EXPECT_EQ(orario(st.front().voce->valore_4), "05:50:00");
  EXPECT_EQ(st[26].voce->testo, "PRATO");
  EXPECT_EQ(st[26].voce->valore_3, 195000);
  EXPECT_EQ(st.back().record, 35);
  EXPECT_EQ(st.back().voce->testo, "FIRENZE  S M N");
  EXPECT_EQ(orario(st.back().voce->valore_4), "17:38:00");
  // Kinds 25 and above mark no stop cell.
  EXPECT_EQ(st[17].voce->testo, "BIVIO  CROCIALI");
  EXPECT_EQ(st[17].cella_fermata, -1);
}

TEST(RiepilogoIntegrato, SevenSignBoardsFromRecord80Down) {
  const auto& c = integrato().cartelli;
  ASSERT_EQ(c.size(), 7u);
  const int celle[] = {53, 911, 931, 2623, 3008, 3111, 3321};
  for (size_t i = 0; i < c.size(); ++i) {
    EXPECT_EQ(c[i].record, 80 - static_cast<int>(i));
    EXPECT_EQ(c[i].cella, celle[i]);
  }
  EXPECT_EQ(c[0].testo, "(BIVIO  S. LUCIA)(Km .111.400    )");
  EXPECT_EQ(c[6].testo, "(PRECEDENZE)");
}

TEST(RiepilogoIntegrato, SignalOfCell877TakenApart) {
  const caratteristica& s = nella_cella(877);
  EXPECT_EQ(s.genere, "signal");
  EXPECT_EQ(s.posizione, 43800);
  EXPECT_EQ(s.descrizione, "left kind 2: 4 1 0");
  const auto& cella = scenario_integrato().celle[877];
  EXPECT_EQ((std::vector<int>{cella.dato_1, cella.dato_2, cella.dato_3, cella.dato_4}),
            (std::vector<int>{40, 10, 0, 6}));
  EXPECT_EQ(nella_cella(2243).descrizione, "left kind 2: 3 1 1, time 180");
}

TEST(RiepilogoIntegrato, SpeedBoardsSlowdownsStopsAndCodes) {
  EXPECT_EQ(nella_cella(34).descrizione, "75/80/90 km/h, 0 stripes");
  EXPECT_EQ(nella_cella(34).posizione, 1650);
  EXPECT_EQ(nella_cella(2208).descrizione, "75/80/90 km/h, 2 stripes");
  EXPECT_EQ(nella_cella(1930).genere, "slowdown warning board");
  EXPECT_EQ(nella_cella(1954).genere, "slowdown start");
  EXPECT_EQ(nella_cella(1954).descrizione, "40 km/h");
  EXPECT_EQ(nella_cella(1962).genere, "slowdown end");
  EXPECT_EQ(nella_cella(1926).descrizione, "cell 4 before the board");
  EXPECT_EQ(nella_cella(2236).descrizione, "code 180");
  EXPECT_EQ(nella_cella(2236).posizione, 111800);
  EXPECT_EQ(nella_cella(3905).descrizione, "record 27 PRATO");
  EXPECT_EQ(nella_cella(53).descrizione, "record 80 (BIVIO  S. LUCIA)(Km .111.400    )");
}

TEST(RiepilogoIntegrato, EverySignalLineIsOneSignalFeature) {
  const auto& v = integrato().caratteristiche;
  EXPECT_EQ(std::count_if(v.begin(), v.end(), [](const caratteristica& c) { return c.tipo == 1; }),
            55);
  EXPECT_EQ(std::count_if(v.begin(), v.end(), [](const caratteristica& c) { return c.tipo == 11; }),
            0)
      << "tunnel markers are counted with their tunnels";
}

TEST(RiepilogoIntegrato, TunnelStretchesWithCodesAndMarkers) {
  const auto& g = integrato().gallerie;
  ASSERT_EQ(g.size(), 30u);
  EXPECT_EQ(g[0].prima_cella, 2473);
  EXPECT_EQ(g[0].ultima_cella, 2488);
  EXPECT_EQ(g[0].marcatori, 4);
  EXPECT_EQ(g[28].inizio(), 193050);
  EXPECT_EQ(g[28].codice, 3);
}

TEST(Riepilogo, ClearTableHasNoStationsOrBoards) {
  scenario_compilato s;
  s.celle.resize(10);
  const riepilogo r = riassumi(s);
  EXPECT_TRUE(r.stazioni.empty());
  EXPECT_TRUE(r.cartelli.empty());
  EXPECT_TRUE(r.caratteristiche.empty());
}

TEST(Riepilogo, UnknownCellTypeShowsItsRawValues) {
  scenario_compilato s;
  s.celle.resize(3);
  s.celle[2] = {99, 1, -2, 3, 4, 0, 0, 0, 0, 0, 0};
  const riepilogo r = riassumi(s);
  ASSERT_EQ(r.caratteristiche.size(), 1u);
  EXPECT_EQ(r.caratteristiche[0].genere, "type 99");
  EXPECT_EQ(r.caratteristiche[0].descrizione, "values 1 -2 3 4");
}

TEST(Riepilogo, ClockAndSpeedBoardPacking) {
  EXPECT_EQ(orario(0), "00:00:00");
  EXPECT_EQ(orario(54765), "15:12:45");
  EXPECT_EQ(orario(-61), "-00:01:01");
  EXPECT_EQ(velocita_cartello(1500), (std::pair<int, int>{75, 0}));
  EXPECT_EQ(velocita_cartello(3519), (std::pair<int, int>{175, 95}));
}

}  // namespace
