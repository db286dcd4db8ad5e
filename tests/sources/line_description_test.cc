#include "sources/line_description.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "sources/reread.h"

using namespace compila;

namespace {

const std::vector<std::string>& righe() {
  static const std::vector<std::string> r = righe_descrizione_linea();
  return r;
}

const std::vector<riga_letta>& lette() {
  static const std::vector<riga_letta> l =
      rileggi(righe(), {{"lunghezza percorso", {1}},
                        {"progressiva", {3}},
                        {"sfondo", {1}},
                        {"ripetizione segnali", {2}},
                        {"curva", {2}},
                        {"pendenza", {2}},
                        {"montagna", {3}},
                        {"indicatori_vmax", {9}},
                        {"cartello_indicatore", {1, true}}});
  return l;
}

std::vector<int32_t> valori(const std::string& chiave) {
  return con_chiave(lette(), chiave).at(0).numeri;
}

}  // namespace

TEST(LineDescription, HasItsSectionsInOrderAndEndsWithFine) {
  ASSERT_EQ(righe().size(), 150u);
  const std::pair<size_t, const char*> intestazioni[] = {
      {0, "[generale]"},  {9, "[curve]"},     {63, "[pendenze]"},     {88, "[montagne]"},
      {119, "[cartelli]"}, {141, "[indicazioni]"}, {149, "[fine]"}};
  for (const auto& [indice, testo] : intestazioni) EXPECT_EQ(righe()[indice], testo);
  for (const std::string& r : righe()) {
    EXPECT_EQ(r.find("riferimento fine del file"), std::string::npos);
    EXPECT_TRUE(std::all_of(r.begin(), r.end(), [](char c) { return c >= ' ' && c <= '~'; })) << r;
  }
}

TEST(LineDescription, FirstAndLastLineOfEverySection) {
  EXPECT_EQ(righe()[1], "lunghezza percorso,    219000");
  EXPECT_EQ(righe()[8], "ripetizione segnali 4 codici,    3500,    209000");
  EXPECT_EQ(righe()[10], "curvas3,  1600,  800");
  EXPECT_EQ(righe()[62], "curvad2,  203950,  700");
  EXPECT_EQ(righe()[64], "pendenza,  0,   0");
  EXPECT_EQ(righe()[66], "pendenza,  1850,   -6");
  EXPECT_EQ(righe()[87], "pendenza,  197800,   0");
  EXPECT_EQ(righe()[89], "montagna,   123650,  124450,  11");
  EXPECT_EQ(righe()[118], "montagna,   193500,  193550,  1");
  EXPECT_EQ(righe()[120], "indicatori_vmax,  1650,  75,  80,  90,  0,  ,  ,  ,  0");
  EXPECT_EQ(righe()[140], "indicatori_vmax,  209450,  60,  70,  80,  0,  ,  ,  ,  0");
  EXPECT_EQ(righe()[142], "cartello_indicatore,  2600,   (BIVIO  S. LUCIA)(Km .111.400    )");
  EXPECT_EQ(righe()[148], "cartello_indicatore,  166000,   (PRECEDENZE)");
}

TEST(LineDescription, ReadsBackLineByLine) {
  ASSERT_EQ(lette().size(), righe().size());
  for (size_t i = 0; i < lette().size(); ++i) EXPECT_EQ(lette()[i].riga, static_cast<int>(i) + 1);
}

TEST(LineDescription, GeneralValues) {
  EXPECT_EQ(valori("lunghezza"), std::vector<int32_t>{219000});
  EXPECT_EQ(valori("progressiva chilometrica uno"), (std::vector<int32_t>{0, 114000, 1}));
  EXPECT_EQ(valori("progressiva chilometrica due"), (std::vector<int32_t>{114500, 211500, 1}));
  EXPECT_EQ(valori("progressiva chilometrica tre"), (std::vector<int32_t>{0, 0, 0}));
  EXPECT_EQ(valori("sfondo uno"), std::vector<int32_t>{1});
  EXPECT_EQ(valori("sfondo due"), std::vector<int32_t>{195000});
  EXPECT_EQ(valori("sfondo tre"), std::vector<int32_t>{117000});
  EXPECT_EQ(valori("ripetizione"), (std::vector<int32_t>{3500, 209000}));
}

TEST(LineDescription, CurvesHaveAClassAndFollowEachOtherWithoutOverlap) {
  auto curve = con_chiave(lette(), "curva");
  ASSERT_EQ(curve.size(), 53u);
  int32_t fine_precedente = 0;
  for (const riga_letta& c : curve) {
    ASSERT_EQ(c.chiave.size(), 7u) << c.chiave;
    EXPECT_TRUE(c.chiave[5] == 's' || c.chiave[5] == 'd') << c.chiave;
    EXPECT_TRUE(c.chiave[6] >= '1' && c.chiave[6] <= '6') << c.chiave;
    EXPECT_GE(c.numeri[0], fine_precedente) << c.chiave << " at " << c.numeri[0];
    EXPECT_GT(c.numeri[1], 0);
    fine_precedente = c.numeri[0] + c.numeri[1];
  }
}

TEST(LineDescription, GradientsStartAtZeroAscendAndCompileInRange) {
  auto pendenze = con_chiave(lette(), "pendenza");
  ASSERT_EQ(pendenze.size(), 24u);
  EXPECT_EQ(pendenze[0].numeri, (std::vector<int32_t>{0, 0}));
  EXPECT_EQ(pendenze[1].numeri, (std::vector<int32_t>{1000, 6}));
  EXPECT_EQ(pendenze[3].numeri, (std::vector<int32_t>{1900, -5}));
  for (size_t i = 0; i < pendenze.size(); ++i) {
    if (i > 0) {
      EXPECT_GT(pendenze[i].numeri[0], pendenze[i - 1].numeri[0]);
    }
    int32_t compilata = pendenze[i].numeri[1] + 100;
    EXPECT_TRUE(compilata >= -100 && compilata <= 155) << pendenze[i].numeri[1];
  }
}

TEST(LineDescription, OnlyTheTunnelAt193050FollowsItsPredecessorWithin150m) {
  auto montagne = con_chiave(lette(), "montagna");
  ASSERT_EQ(montagne.size(), 30u);
  std::vector<int32_t> ravvicinate;
  for (size_t i = 0; i < montagne.size(); ++i) {
    const auto& m = montagne[i].numeri;
    EXPECT_LT(m[0], m[1]);
    EXPECT_TRUE(m[2] == 1 || m[2] == 11) << m[0];
    if (i > 0 && m[0] - montagne[i - 1].numeri[1] <= 150) ravvicinate.push_back(m[0]);
  }
  EXPECT_EQ(ravvicinate, std::vector<int32_t>{193050});
}

TEST(LineDescription, SpeedBoardsFillOnlyTheFirstSetAndStripeTwice) {
  auto cartelli = con_chiave(lette(), "indicatori_vmax");
  ASSERT_EQ(cartelli.size(), 21u);
  std::vector<size_t> con_strisce;
  for (size_t i = 0; i < cartelli.size(); ++i) {
    const auto& c = cartelli[i].numeri;
    EXPECT_EQ(std::vector<int32_t>(c.begin() + 5, c.end()), (std::vector<int32_t>{0, 0, 0, 0}));
    EXPECT_TRUE(c[1] < c[2] && c[2] < c[3]) << c[0];
    if (c[4] == 2) con_strisce.push_back(i);
  }
  ASSERT_EQ(con_strisce, (std::vector<size_t>{7, 16}));
  for (size_t i : con_strisce) {
    EXPECT_EQ(cartelli[i + 1].numeri[4], 1);
    EXPECT_EQ(cartelli[i + 2].numeri[4], 0);
    for (int v = 1; v <= 3; ++v) {
      EXPECT_EQ(cartelli[i + 1].numeri[v], cartelli[i].numeri[v]);
      EXPECT_EQ(cartelli[i + 2].numeri[v], cartelli[i].numeri[v]);
    }
  }
}

TEST(LineDescription, SignBoardTextsKeepTheirBlanks) {
  auto cartelli = con_chiave(lette(), "cartello_indicatore");
  ASSERT_EQ(cartelli.size(), 7u);
  std::vector<int32_t> posizioni;
  for (const riga_letta& c : cartelli) posizioni.push_back(c.numeri[0]);
  EXPECT_EQ(posizioni, (std::vector<int32_t>{2600, 45500, 46500, 131100, 150350, 155500, 166000}));
  // The marking decreases from 114000 at the start: 114000 - 2600.
  EXPECT_EQ(cartelli[0].testo, "(BIVIO  S. LUCIA)(Km .111.400    )");
  EXPECT_EQ(cartelli[4].testo, "(GALLERIA     )(PIAN DI SETTA)");
}
