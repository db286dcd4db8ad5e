#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>

#include "inspect/built_in_scenario.h"
#include "inspect/line_svg.h"
#include "inspect/page_data.h"
#include "inspect/scenario_page.h"

using namespace compila;

namespace {

const std::string apertura_dati = "<script type=\"application/json\" id=\"scenario-data\">";

// The data block of a page, as it stands between its tags.
std::string blocco_dati(const std::string& pagina) {
  const size_t inizio = pagina.find(apertura_dati);
  EXPECT_NE(inizio, std::string::npos);
  const size_t da = inizio + apertura_dati.size();
  return pagina.substr(da, pagina.find("</script>", da) - da);
}

size_t conta(const std::string& testo, const std::string& parte) {
  size_t n = 0;
  for (size_t i = testo.find(parte); i != std::string::npos; i = testo.find(parte, i + 1)) ++n;
  return n;
}

}  // namespace

TEST(ScenarioPage, BuiltInPageHoldsTheProfileAndTheDataAndStaysUnderTwiceTheDrawing) {
  const scenario_compilato& s = scenario_integrato();
  const std::string pagina = pagina_scenario(&s, nullptr);
  EXPECT_TRUE(pagina.starts_with("<!DOCTYPE html>"));
  EXPECT_EQ(conta(pagina, "<svg id=\"profile-svg\""), 1u);
  EXPECT_NE(pagina.find("viewBox=\"0 918 1600 642\" data-x0=\"80\" data-x1=\"1520\" data-y0=\"980\" "
                        "data-y1=\"1400\" data-route-m=\"219000\">"),
            std::string::npos);
  EXPECT_EQ(pagina.find("<!--@"), std::string::npos);
  // The drawing's looks stay inside it: every rule of its style names it first.
  const size_t stile = pagina.find("<style>", pagina.find("<svg id=\"profile-svg\""));
  const std::string regole = pagina.substr(stile, pagina.find("</style>", stile) - stile);
  EXPECT_EQ(conta(regole, "{"), conta(regole, "\n  #profile-svg "));
  EXPECT_EQ(regole.find(", ."), std::string::npos);

  const nlohmann::json d = nlohmann::json::parse(blocco_dati(pagina));
  EXPECT_EQ(d["stations"].size(), 35u);
  EXPECT_EQ(d["point_features"].size(), 138u);
  EXPECT_EQ(d["compile"], nullptr);
  ASSERT_EQ(d["plan"]["runs"].size(), 1u);
  EXPECT_EQ(d["plan"]["runs"][0]["from_m"], 0);
  // Metres 0 to 225950: the drawing's last metre, 226000, holds no point.
  EXPECT_EQ(d["plan"]["runs"][0]["xy"].size(), 2u * (226000 / 50));

  EXPECT_LT(pagina.size(), 2 * disegno_svg(s, riassumi(s)).size());
}

TEST(ScenarioPage, NoTextOfTheAuthorsCanEndTheDataBlock) {
  scenario_compilato s = scenario_integrato();
  const std::string nome = "</script><script>alert(1)</script><!--";
  s.tabella[1].testo = nome;
  const std::string dati = blocco_dati(pagina_scenario(&s, nullptr));
  EXPECT_EQ(dati.find('<'), std::string::npos);
  EXPECT_EQ(nlohmann::json::parse(dati)["stations"][0]["name"], nome);
}

TEST(PageData, PlanInDecimetresEvery50MetresRunsBrokenWhereAPointIsMissing) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  scenario_compilato s;
  s.profilo = profilo_linea(260);
  const auto punto = [&](int32_t m, elemento_profilo x, elemento_profilo y) {
    s.profilo.imposta(m, 0, x);
    s.profilo.imposta(m, 1, y);
  };
  // Halves of a decimetre go to the even one; a run holds differences.
  punto(0, elemento_profilo::da_reale(0.25), elemento_profilo::da_reale(-0.25));
  punto(50, elemento_profilo::da_intero(3), elemento_profilo::da_reale(0.75));
  punto(100, elemento_profilo::da_reale(1.0), {});  // no y: the run ends
  punto(150, elemento_profilo::da_reale(2.0), elemento_profilo::da_reale(nan));
  punto(200, elemento_profilo::da_reale(-1.04), elemento_profilo::da_reale(5.06));
  punto(250, elemento_profilo::da_reale(-1.0), elemento_profilo::da_reale(5.0));
  punto(251, elemento_profilo::da_reale(99.0), elemento_profilo::da_reale(99.0));  // between steps
  const riepilogo r = riassumi(s);
  const nlohmann::json piano = nlohmann::json::parse(dati_pagina(&s, &r, nullptr))["plan"];
  EXPECT_EQ(piano, nlohmann::json::parse(R"({"step_m": 50, "unit_m": 0.1, "runs": [
      {"from_m": 0, "xy": [2, -2, 28, 10]},
      {"from_m": 200, "xy": [-10, 51, 0, -1]}]})"));
}

TEST(PageData, CompileWithoutAScenarioLeavesTheScenarioEmpty) {
  resoconto_compilazione c;
  c.generazione = 4;
  c.ora = "17:02:41";
  c.file_linea = "l.txt";
  c.file_treno = "t.txt";
  c.ok = false;
  c.errori = {"compila_scenario: l.txt is missing; waiting for it to come back"};
  c.anomalie = {{"t.txt", std::nullopt, 25, std::nullopt, "train", "reading failed"}};
  const nlohmann::json d = nlohmann::json::parse(dati_pagina(nullptr, nullptr, &c));
  EXPECT_EQ(d["cells"], 0);
  EXPECT_EQ(d["general"], nullptr);
  EXPECT_EQ(d["stations"], nlohmann::json::array());
  EXPECT_EQ(d["plan"], nullptr);
  EXPECT_EQ(d["compile"], nlohmann::json::parse(R"({"generation": 4, "time": "17:02:41",
      "line_file": "l.txt", "train_file": "t.txt", "ok": false, "fatal": null,
      "errors": ["compila_scenario: l.txt is missing; waiting for it to come back"],
      "anomalies": [{"file": "t.txt", "line": null, "code": 25, "position": null,
                     "source": "train", "message": "reading failed"}]})"));
}
