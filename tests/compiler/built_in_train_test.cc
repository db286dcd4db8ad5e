// Both built-in descriptions, written as the run writes them and read back
// by memorizza_dati: the train half on top of the line half.
#include <gtest/gtest.h>

#include "compile_fixture.h"
#include "sources/line_description.h"
#include "sources/train_description.h"
#include "textio/text_writer.h"

using namespace compila;

namespace {

class BuiltInTrain : public built_in_compile<true> {};

TEST_F(BuiltInTrain, CompilesWithoutAnomalyAndDeletesBothSources) {
  EXPECT_EQ(b_->codice(), 0);
  EXPECT_TRUE(b_->c.stato.anomalie.empty());
  EXPECT_EQ(b_->lettura, fine_lettura::treno_letto);
  EXPECT_EQ(v(84).valore_1, 130);
  EXPECT_EQ(v(84).valore_3, 13);
  EXPECT_EQ(v(86).intero_1, 200);
  EXPECT_EQ(v(86).intero_3 * 3600 + v(86).intero_4 * 60 + v(86).intero_5, 15 * 3600 + 12 * 60 + 45);
}

TEST_F(BuiltInTrain, SignalsWithTheirApproachMarks) {
  EXPECT_EQ(cl(877), (cella{.tipo_cella = 1, .dato_1 = 40, .dato_2 = 10, .dato_4 = 6,
                            .limite = 40, .pendenza = cl(877).pendenza, .aderenza = 100}));
  EXPECT_EQ(cl(851).dato_1, 40);
  EXPECT_EQ(cl(851).dato_2, 0);
  for (int b = 1; b <= 4; ++b) {
    EXPECT_EQ(cl(877 - 2 * b).avvicinamento, 60 + b) << b;
    EXPECT_EQ(cl(851 - 2 * b).avvicinamento, 60 + b) << b;
  }
  EXPECT_EQ(cl(2243).tempo, 180);
}

TEST_F(BuiltInTrain, Slowdowns) {
  struct atteso {
    int avviso, inizio, fine;
    int16_t v;
  };
  for (atteso a : {atteso{1930, 1954, 1962, 40}, atteso{3925, 3949, 3959, 50}}) {
    EXPECT_EQ(cl(a.avviso).tipo_cella, tipo::avviso_rallentamento);
    EXPECT_EQ(cl(a.inizio).tipo_cella, tipo::inizio_rallentamento);
    EXPECT_EQ(cl(a.fine).tipo_cella, tipo::fine_rallentamento);
    for (int k : {a.avviso, a.inizio, a.fine}) EXPECT_EQ(cl(k).dato_1, a.v) << k;
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(cl(a.avviso - 1 - i).tipo_cella, tipo::approccio_avviso);
      EXPECT_EQ(cl(a.avviso - 1 - i).dato_1, i + 1);
    }
  }
}

TEST_F(BuiltInTrain, SpeedLimitAndAdhesionProfiles) {
  for (int k = 0; k <= 4520; ++k) {
    ASSERT_EQ(cl(k).limite, k > 4517 ? 0 : k < 4 ? 6 : 40) << k;
    int aderenza = k > 4517                 ? 0
                   : k >= 2964 && k <= 2993 ? 80
                   : k >= 3065 && k <= 3100 ? 85
                                            : 100;
    ASSERT_EQ(cl(k).aderenza, aderenza) << k;
  }
}

TEST_F(BuiltInTrain, Stations) {
  EXPECT_EQ(v(1).testo, "VERONA  P. N.");
  EXPECT_EQ(v(1).valore_1, -700);
  EXPECT_EQ(v(1).valore_2, 700);
  EXPECT_EQ(v(1).valore_4, 5 * 3600 + 50 * 60);
  EXPECT_EQ(cl(13).tipo_cella, tipo::fermata);
  EXPECT_EQ(cl(13).dato_1, 1);
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(cl(13 - k).avvicinamento, 80 + k);
  EXPECT_EQ(v(35).testo, "FIRENZE  S M N");
  EXPECT_EQ(v(36), voce_scenario{});
  EXPECT_EQ(cl(2236), (cella{.tipo_cella = 12, .dato_1 = 180, .limite = 40,
                             .pendenza = cl(2236).pendenza, .aderenza = 100}));
}

// PRATO's stop cell is the cell of the speed boards at 195200 m (115, 120,
// 130 km/h): the stop replaces them and keeps their second and third values.
TEST_F(BuiltInTrain, PratosStopReplacesTheSpeedBoards) {
  EXPECT_EQ(v(27).testo, "PRATO");
  EXPECT_EQ(cl(3905).tipo_cella, tipo::fermata);
  EXPECT_EQ(cl(3905).dato_1, 27);
  EXPECT_EQ(cl(3905).dato_2, 120 * 20);
  EXPECT_EQ(cl(3905).dato_3, 130 * 20);
}

}  // namespace
