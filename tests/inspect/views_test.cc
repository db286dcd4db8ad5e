#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "inspect/cell_csv.h"
#include "inspect/json_summary.h"
#include "inspect/built_in_scenario.h"
#include "inspect/text_summary.h"

using namespace compila;

// The text, JSON and CSV views of the built-in scenario.
namespace {

std::string testo_integrato() {
  std::ostringstream out;
  scrivi_riepilogo(scenario_integrato(), riassumi(scenario_integrato()), out);
  return out.str();
}

bool contiene(const std::string& s, const std::string& parte) {
  return s.find(parte) != std::string::npos;
}

TEST(TextSummary, RouteGeneralRecordsStationsBoardsAndFeatures) {
  const std::string t = testo_integrato();
  EXPECT_TRUE(
      t.starts_with("Route length 219000 m; 4521 cells of 50 m (0 to 4520); line "
                    "drawing of metres 0 to 226000\n"))
      << t.substr(0, 200);
  for (const char* riga : {
           "  81 chainage section: from 114500 m, reference 211600 m, flag 1 (chainage "
           "decreasing)\n",
           "  83 chainage section: not used\n",
           "  84 train and route: braked mass 130 %, route length 219000 m, 13 coaches\n",
           "  85 line \"Verona _Firenze  \": background uno 1, tre 117000, due 195000; marker 610; "
           "weighted code 28957\n",
           "  86 train \" EC 85\": signal repetition from 3500 m to 209000 m with 4 codes; sand "
           "200; clock 15:12:45\n",
           "  cell 1: marker 5121, plain code 2164\n",
           "Stations (35)\n",
           "    1    8     -700      700        0 05:50:00        13  VERONA  P. N.\n",
           "Sign boards (7)\n",
           "   80    53     2600  (BIVIO  S. LUCIA)(Km .111.400    )\n",
           "Tunnel stretches (30)\n",
           "   877    43800  signal                  left kind 2: 4 1 0\n",
           "  1954    97650  slowdown start          40 km/h\n",
       })
    EXPECT_TRUE(contiene(t, riga)) << riga;
}

TEST(JsonSummary, OneObjectWithTheSameContent) {
  const nlohmann::json j =
      nlohmann::json::parse(riepilogo_json(scenario_integrato(), riassumi(scenario_integrato())));
  EXPECT_EQ(j["route_length_m"], 219000);
  EXPECT_EQ(j["cells"], 4521);
  EXPECT_EQ(j["general"]["line"]["name"], "Verona _Firenze  ");
  EXPECT_EQ(j["general"]["line"]["marker"], 610);
  EXPECT_EQ(j["general"]["line"]["weighted_code"], 28957);
  EXPECT_EQ(j["general"]["train"]["clock"]["minutes"], 12);
  EXPECT_EQ(j["general"]["cell_1"]["plain_code"], 2164);
  EXPECT_EQ(j["general"]["chainage_sections"][1]["reference_m"], 114100);
  ASSERT_EQ(j["stations"].size(), 35u);
  EXPECT_EQ(j["stations"][16]["name"], "BOLOGNA C.");
  EXPECT_EQ(j["stations"][16]["time"], "16:36:00");
  EXPECT_EQ(j["stations"][17]["stop_cell"], nullptr);
  ASSERT_EQ(j["sign_boards"].size(), 7u);
  EXPECT_EQ(j["sign_boards"][6]["record"], 74);
  EXPECT_EQ(j["sign_boards"][6]["position_m"], 166000);
  EXPECT_EQ(j["tunnels"].size(), 30u);
  const nlohmann::json* s877 = nullptr;
  for (const auto& f : j["point_features"])
    if (f["cell"] == 877) s877 = &f;
  ASSERT_NE(s877, nullptr);
  EXPECT_EQ((*s877)["feature"], "signal");
  EXPECT_EQ((*s877)["position_m"], 43800);
  EXPECT_EQ((*s877)["values"]["s2"], 1);
}

// Written a piece at a time, the summary is laid out as the one object's
// own dump: with features and tunnels, and with none.
TEST(JsonSummary, WrittenInPiecesAsOneObjectsDump) {
  scenario_compilato vuoto;
  vuoto.celle.resize(3);
  const scenario_compilato& integrato = scenario_integrato();
  for (const scenario_compilato* s : {&integrato, static_cast<const scenario_compilato*>(&vuoto)}) {
    const std::string testo = riepilogo_json(*s, riassumi(*s));
    EXPECT_EQ(testo, nlohmann::ordered_json::parse(testo).dump(2) + "\n");
  }
}

TEST(CellCsv, OneRowPerCellWithEveryField) {
  const std::string csv = celle_csv(scenario_integrato().celle);
  std::istringstream righe(csv);
  std::string riga;
  std::vector<std::string> tutte;
  while (std::getline(righe, riga)) tutte.push_back(riga);
  ASSERT_EQ(tutte.size(), 4522u);
  EXPECT_EQ(tutte[0],
            "cell,start_m,tipo_cella,dato_1,dato_2,dato_3,dato_4,tempo,avvicinamento,montagna,"
            "limite,pendenza,aderenza,limit_kmh,gradient_per_mille");
  EXPECT_EQ(tutte[1 + 1], "1,50,0,5121,2164,0,0,0,0,0,6,100,100,30,0");
  EXPECT_EQ(tutte[1 + 877], "877,43850,1,40,10,0,6,0,0,0,40,100,100,200,0");
  EXPECT_EQ(tutte[1 + 37], "37,1850,0,0,0,0,0,0,0,0,40,94,100,200,-6");
}

}  // namespace
