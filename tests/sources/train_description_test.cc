#include "sources/train_description.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "sources/reread.h"

using namespace compila;

namespace {

const std::vector<std::string>& righe() {
  static const std::vector<std::string> r = righe_descrizione_treno();
  return r;
}

const std::vector<riga_letta>& lette() {
  static const std::vector<riga_letta> l = rileggi(righe(), {{"numero vetture", {1}},
                                                             {"percentuale massa frenata", {1}},
                                                             {"sabbia", {1}},
                                                             {"orologio", {3}},
                                                             {"aderenza", {2}},
                                                             {"velocita", {2}},
                                                             {"stazione", {16, true}},
                                                             {"rallentamento", {6}},
                                                             {"segnale", {11}},
                                                             {"abbattimento", {2}}});
  return l;
}

std::vector<std::string> righe_con(const std::string& chiave) {
  std::vector<std::string> scelte;
  for (const std::string& r : righe())
    if (r.starts_with(chiave + ",")) scelte.push_back(r);
  return scelte;
}

std::vector<size_t> virgole(const std::string& riga) {
  std::vector<size_t> colonne;
  for (size_t i = 0; i < riga.size(); ++i)
    if (riga[i] == ',') colonne.push_back(i);
  return colonne;
}

using valori = std::vector<int32_t>;

}  // namespace

TEST(TrainDescription, HasItsSectionsInOrderAndEndsWithFine) {
  ASSERT_EQ(righe().size(), 112u);
  const std::pair<size_t, const char*> intestazioni[] = {
      {0, "[generale]"},      {5, "[aderenze]"}, {11, "[vel_limite]"}, {14, "[stazioni]"},
      {50, "[rallentamenti]"}, {53, "[segnali]"}, {109, "[codici]"},    {111, "[fine]"}};
  for (const auto& [indice, testo] : intestazioni) EXPECT_EQ(righe()[indice], testo);
  for (const std::string& r : righe()) {
    EXPECT_EQ(r.find("riferimento fine del file"), std::string::npos);
    EXPECT_TRUE(std::all_of(r.begin(), r.end(), [](char c) { return c >= ' ' && c <= '~'; })) << r;
  }
}

TEST(TrainDescription, LinesWrittenExactly) {
  EXPECT_EQ(righe()[1], "numero vetture,    13");
  EXPECT_EQ(righe()[2], "percentuale massa frenata,    130");
  EXPECT_EQ(righe()[3], "sabbia,    200");
  EXPECT_EQ(righe()[4], "orologio,    15              12            45 ");
  EXPECT_EQ(righe()[15],
            "stazione,       0,  8,  700,  1, 1, 0,  4,1,0,  2,1,1,    1,   5,50, 0, VERONA  P. N.");
  EXPECT_EQ(righe()[49],
            "stazione,  211000,  6,  600,  0, 0, 0,  1,1,0,  2,1,1,    0,  17,38, 0, FIRENZE  S M N");
  EXPECT_EQ(righe()[54], "segnale,    3500,   2, 4, 0,  0, 0,    0,  0,0,0, 0");
  EXPECT_EQ(righe()[64], "segnale,   43800,   2, 4, 1,  0, 0,    0,  0,0,0, 0");
  EXPECT_EQ(righe()[79], "segnale,  112100,   2, 3, 1,  1, 0,    0,  0,0,0, 180");
  EXPECT_EQ(righe()[108], "segnale,  209850,   2, 3, 0,  0, 0,    0,  0,0,0, 190");
  EXPECT_EQ(righe()[110], "abbattimento,  111800,   180");
}

TEST(TrainDescription, StationsAndSignalsStandInColumns) {
  for (const char* chiave : {"stazione", "segnale"}) {
    auto gruppo = righe_con(chiave);
    for (const std::string& r : gruppo) EXPECT_EQ(virgole(r), virgole(gruppo[0])) << r;
  }
  // Station names start one blank after the last comma.
  for (const std::string& r : righe_con("stazione")) EXPECT_EQ(r.substr(70, 2), ", ") << r;
  // Every position takes eight characters after its keyword's comma.
  for (const char* chiave :
       {"aderenza", "velocita", "stazione", "rallentamento", "segnale", "abbattimento"}) {
    size_t fine_posizione = std::string(chiave).size() + 1 + 8;
    for (const std::string& r : righe_con(chiave)) {
      EXPECT_EQ(r[fine_posizione], ',') << r;
      EXPECT_NE(r[fine_posizione - 1], ' ') << r;
    }
  }
}

TEST(TrainDescription, ReadsBackLineByLine) {
  ASSERT_EQ(lette().size(), righe().size());
  for (size_t i = 0; i < lette().size(); ++i) EXPECT_EQ(lette()[i].riga, static_cast<int>(i) + 1);
}

TEST(TrainDescription, GeneralValuesAndProfiles) {
  EXPECT_EQ(con_chiave(lette(), "numero").at(0).numeri, valori{13});
  EXPECT_EQ(con_chiave(lette(), "percentuale").at(0).numeri, valori{130});
  EXPECT_EQ(con_chiave(lette(), "sabbia").at(0).numeri, valori{200});
  EXPECT_EQ(con_chiave(lette(), "orologio").at(0).numeri, (valori{15, 12, 45}));

  std::vector<valori> aderenze, velocita, rallentamenti;
  for (const auto& r : con_chiave(lette(), "aderenza")) aderenze.push_back(r.numeri);
  for (const auto& r : con_chiave(lette(), "velocita")) velocita.push_back(r.numeri);
  for (const auto& r : con_chiave(lette(), "rallentamento")) rallentamenti.push_back(r.numeri);
  EXPECT_EQ(aderenze, (std::vector<valori>{
                          {0, 100}, {148200, 80}, {149700, 100}, {153250, 85}, {155050, 100}}));
  EXPECT_EQ(velocita, (std::vector<valori>{{0, 30}, {200, 200}}));
  EXPECT_EQ(rallentamenti,
            (std::vector<valori>{{97650, 40, 400, 0, 1, 0}, {197400, 50, 500, 0, 1, 0}}));
  EXPECT_EQ(con_chiave(lette(), "abbattimento").at(0).numeri, (valori{111800, 180}));
}

TEST(TrainDescription, StationsAscendOnWholeCellsAndKeepTheirNames) {
  auto stazioni = con_chiave(lette(), "stazione");
  ASSERT_EQ(stazioni.size(), 35u);
  for (size_t i = 0; i < stazioni.size(); ++i) {
    const valori& v = stazioni[i].numeri;
    EXPECT_EQ(v[0] % 50, 0) << stazioni[i].testo;
    EXPECT_EQ(v[2] % 100, 0) << stazioni[i].testo;
    if (i > 0) {
      EXPECT_GT(v[0], stazioni[i - 1].numeri[0]) << stazioni[i].testo;
    }
  }
  EXPECT_EQ(stazioni[0].testo, "VERONA  P. N.");
  EXPECT_EQ(stazioni[0].numeri, (valori{0, 8, 700, 1, 1, 0, 4, 1, 0, 2, 1, 1, 1, 5, 50, 0}));
  EXPECT_EQ(stazioni[15].testo, "TAVARNELLE  D 'EMILIA");
  EXPECT_EQ(stazioni[16].testo, "BOLOGNA C.");
  EXPECT_EQ(stazioni[16].numeri,
            (valori{114000, 2, 700, 0, 1, 0, 1, 1, 0, 4, 1, 1, 90, 16, 36, 0}));
  EXPECT_EQ(stazioni[34].testo, "FIRENZE  S M N");
  EXPECT_EQ(stazioni[34].numeri,
            (valori{211000, 6, 600, 0, 0, 0, 1, 1, 0, 2, 1, 1, 0, 17, 38, 0}));
}

TEST(TrainDescription, SignalsAscendAndUseOnlyTheLeftSide) {
  auto segnali = con_chiave(lette(), "segnale");
  ASSERT_EQ(segnali.size(), 55u);
  std::set<int32_t> con_tempo;
  int sinistri_di_tipo_1 = 0;
  for (size_t i = 0; i < segnali.size(); ++i) {
    const valori& v = segnali[i].numeri;
    if (i > 0) {
      EXPECT_GT(v[0], segnali[i - 1].numeri[0]);
    }
    EXPECT_EQ(valori(v.begin() + 5, v.begin() + 10), (valori{0, 0, 0, 0, 0})) << v[0];
    if (v[10] != 0) con_tempo.insert(v[0]);
    if (v[1] == 1) ++sinistri_di_tipo_1;
  }
  EXPECT_EQ(con_tempo, (std::set<int32_t>{112100, 189050, 189650, 209850}));
  EXPECT_EQ(sinistri_di_tipo_1, 7);
  EXPECT_EQ(segnali[9].numeri, (valori{42500, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(segnali[25].numeri, (valori{112100, 2, 3, 1, 1, 0, 0, 0, 0, 0, 180}));
}
