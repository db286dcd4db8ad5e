// The built-in line description, written as the run writes it and compiled
// with the train half still to come.
#include <gtest/gtest.h>

#include <cmath>

#include "compile_fixture.h"
#include "sources/line_description.h"
#include "textio/text_writer.h"

using namespace compila;

namespace {

class BuiltInLine : public built_in_compile<false> {};

TEST_F(BuiltInLine, CompilesWithoutAnomalyAndDeletesItsSource) {
  EXPECT_EQ(b_->codice(), 0);
  EXPECT_TRUE(b_->c.stato.anomalie.empty());
  EXPECT_EQ(b_->lettura, fine_lettura::treno_letto);
  EXPECT_EQ(b_->c.ultima_cella(), 4520);
  EXPECT_EQ(b_->c.profilo.ultimo_metro(), 226000);
}

TEST_F(BuiltInLine, Gradients) {
  for (int i = 0; i <= 19; ++i) EXPECT_EQ(cl(i).pendenza, 100) << i;
  for (int i = 20; i <= 36; ++i) EXPECT_EQ(cl(i).pendenza, 106) << i;
  EXPECT_EQ(cl(37).pendenza, 94);
  for (int i = 3956; i <= 4517; ++i) ASSERT_EQ(cl(i).pendenza, 100) << i;
  for (int i = 4518; i <= 4520; ++i) EXPECT_EQ(cl(i).pendenza, 0) << i;
}

TEST_F(BuiltInLine, TunnelsAndMarkers) {
  for (int i = 2473; i <= 2488; ++i) {
    EXPECT_EQ(cl(i).montagna, 1) << i;
    bool marcatore = i == 2476 || i == 2480 || i == 2484 || i == 2488;
    EXPECT_EQ(cl(i).tipo_cella, marcatore ? tipo::marcatore_montagna : tipo::nessuno) << i;
  }
  EXPECT_EQ(cl(2472).montagna, 0);
  int codice_3 = 0;
  for (int i = 0; i <= 4520; ++i) codice_3 += cl(i).montagna == 3;
  EXPECT_EQ(codice_3, 2);
  EXPECT_EQ(cl(3861).montagna, 3);
  EXPECT_EQ(cl(3862).montagna, 3);
  EXPECT_EQ(b_->c.numero_montagne, 30);
}

TEST_F(BuiltInLine, SpeedBoards) {
  EXPECT_EQ(cl(34).tipo_cella, tipo::indicatori_v_max);
  EXPECT_EQ((std::array{cl(34).dato_1, cl(34).dato_2, cl(34).dato_3, cl(34).dato_4}),
            (std::array<int16_t, 4>{1500, 1600, 1800, 0}));
  const cella& strisce = cl(2208);  // 110350 m, two stripes
  EXPECT_EQ(strisce.dato_1, 1500);
  EXPECT_EQ(strisce.dato_4, 20);
}

TEST_F(BuiltInLine, SignBoardsTakeRecords80Downwards) {
  const int celle_cartelli[] = {53, 911, 931, 2623, 3008, 3111, 3321};
  for (int n = 0; n < 7; ++n) {
    EXPECT_EQ(cl(celle_cartelli[n]).tipo_cella, tipo::cartello) << n;
    EXPECT_EQ(cl(celle_cartelli[n]).dato_1, 80 - n) << n;
  }
  EXPECT_EQ(v(80).testo, "(BIVIO  S. LUCIA)(Km .111.400    )");
  EXPECT_EQ(v(74).testo, "(PRECEDENZE)");
  EXPECT_EQ(v(73).testo, "");
  EXPECT_EQ(b_->c.prossimo_cartello, 73);
}

TEST_F(BuiltInLine, GeneralRecords) {
  auto valori = [](const voce_scenario& r) { return std::array{r.valore_1, r.valore_2, r.valore_3}; };
  EXPECT_EQ(valori(v(81)), (std::array{114500, 211600, 1}));
  EXPECT_EQ(valori(v(82)), (std::array{0, 114100, 1}));
  EXPECT_EQ(valori(v(83)), (std::array{0, 0, 0}));
  EXPECT_EQ(v(84).valore_2, 219000);
  EXPECT_EQ(valori(v(85)), (std::array{1, 117000, 195000}));
  EXPECT_EQ(valori(v(86)), (std::array{3500, 209000, 4}));
  EXPECT_EQ(v(85).testo, "Verona _Firenze  ");
  EXPECT_EQ(v(86).testo, " EC 85");
}

TEST_F(BuiltInLine, DrawingStraightThenTheFirstCurveTurnsAbout032Rad) {
  const profilo_linea& p = b_->c.profilo;
  EXPECT_EQ(p(1600, 1).reale, 1600.0);
  EXPECT_EQ(p(1600, 0).reale, 0.0);
  double dx = p(2401, 0).reale - p(2400, 0).reale;
  double dy = p(2401, 1).reale - p(2400, 1).reale;
  EXPECT_NEAR(std::atan2(-dx, dy), 0.32, 0.001);
  EXPECT_EQ(p(225998, 0).tag, elemento_profilo::etichetta::reale);
  EXPECT_EQ(p(225999, 0).tag, elemento_profilo::etichetta::vuoto);
}

}  // namespace
