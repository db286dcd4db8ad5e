#include "inspect/line_svg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "inspect/built_in_scenario.h"
#include "inspect/xml_check.h"

using namespace compila;

namespace {

struct svg_letto {
  std::vector<elemento_xml> elementi;
  size_t con_classe(const std::string& c) const {
    return static_cast<size_t>(std::count_if(elementi.begin(), elementi.end(), [&](const auto& e) {
      auto it = e.attributi.find("class");
      return it != e.attributi.end() && it->second == c;
    }));
  }
};

svg_letto leggi(const std::string& svg) {
  verifica_xml v(svg);
  EXPECT_TRUE(v.esegui()) << v.err;
  return {v.elementi};
}

TEST(LineSvg, BuiltInDrawingIsWellFormedWithOneMarkPerStationAndSignal) {
  const scenario_compilato& s = scenario_integrato();
  const std::string svg = disegno_svg(s, riassumi(s));
  const svg_letto letto = leggi(svg);
  ASSERT_FALSE(letto.elementi.empty());
  EXPECT_EQ(letto.elementi.front().nome, "svg");
  const size_t segnali =
      static_cast<size_t>(std::count_if(s.celle.begin(), s.celle.end(), [](const cella& c) {
        return c.tipo_cella == tipo::segnale;
      }));
  EXPECT_EQ(segnali, 55u);
  EXPECT_EQ(letto.con_classe("station"), 35u);
  EXPECT_EQ(letto.con_classe("signal"), segnali);
  EXPECT_EQ(letto.con_classe("station-tick"), 35u);
  EXPECT_EQ(letto.con_classe("signal-tick"), segnali);
  EXPECT_EQ(letto.con_classe("sign-board"), 7u);
  EXPECT_EQ(letto.con_classe("slowdown"), 6u);  // two slowdowns: board, start, end
  // The detail shows the Apennine stretch: from Bologna's stations to Prato.
  EXPECT_NE(svg.find("Detail: km 109.6 to 197.2"), std::string::npos);
  EXPECT_EQ(letto.con_classe("station-detail"), 11u);
}

TEST(LineSvg, TextsAreEscaped) {
  scenario_compilato s = scenario_integrato();
  s.tabella[1].testo = "A<B & \"C\" 'D'>";
  s.tabella[voce::linea].testo = "L&L";
  const std::string svg = disegno_svg(s, riassumi(s));
  leggi(svg);
  EXPECT_NE(svg.find("A&lt;B &amp; &quot;C&quot; &apos;D&apos;&gt;"), std::string::npos);
  EXPECT_EQ(svg.find("A<B"), std::string::npos);
}

TEST(LineSvg, WithoutADrawingStillOneMarkPerStationAndSignal) {
  scenario_compilato s = scenario_integrato();
  s.profilo = profilo_linea(226000);  // all elements empty
  const svg_letto letto = leggi(disegno_svg(s, riassumi(s)));
  EXPECT_EQ(letto.con_classe("station"), 35u);
  EXPECT_EQ(letto.con_classe("signal"), 55u);
}

TEST(LineSvg, NonFiniteCoordinatesAreSkipped) {
  scenario_compilato s;
  s.tabella[voce::generale_treno].valore_2 = 100;
  s.celle.resize(143);
  s.profilo = profilo_linea(7100);
  for (int32_t m = 0; m <= 7098; ++m) {
    s.profilo.imposta(m, 0, elemento_profilo::da_reale(m % 7 == 0 ? std::nan("") : 0.0));
    s.profilo.imposta(m, 1, elemento_profilo::da_reale(m));
  }
  const std::string svg = disegno_svg(s, riassumi(s));
  leggi(svg);
  EXPECT_EQ(svg.find("nan"), std::string::npos);
  EXPECT_EQ(svg.find("inf"), std::string::npos);
}

TEST(XmlCheck, CatchesTheFaultsItIsFor) {
  for (const char* cattivo :
       {"<a><b></a>", "<a x=1/>", "<a>&nbsp;</a>", "<a>x<</a>", "<a/><b/>", "<a x=\"<\"/>", "<a"}) {
    verifica_xml v(cattivo);
    EXPECT_FALSE(v.esegui()) << cattivo;
  }
  verifica_xml buono(
      "<?xml version=\"1.0\"?>\n<a x='1'><!-- c --><b y=\"&amp;\">t &#38; u</b></a>\n");
  EXPECT_TRUE(buono.esegui()) << buono.err;
  EXPECT_EQ(buono.elementi.size(), 2u);
}

}  // namespace
