#include "compiler/memo_segnale.h"

#include <gtest/gtest.h>

#include "textio/field_reader.h"

using namespace compila;

namespace {

array_celle celle(int ultima = 4520) { return array_celle(ultima + 1); }

}  // namespace

TEST(MemoSegnale, PacksTheValuesAndMarksFourApproachCells) {
  array_celle c = celle();
  ASSERT_EQ(numero(memo_segnale(c, {.posizione = 42500, .sx = 2, .s1 = 4})), 0);
  EXPECT_EQ(c[851], (cella{.tipo_cella = 1, .dato_1 = 40, .dato_4 = 6}));
  EXPECT_EQ(c[849].avvicinamento, 61);
  EXPECT_EQ(c[847].avvicinamento, 62);
  EXPECT_EQ(c[845].avvicinamento, 63);
  EXPECT_EQ(c[843].avvicinamento, 64);

  ASSERT_EQ(numero(memo_segnale(c, {112100, 2, 3, 1, 1, 7, 1, 2, 3, 4, 180})), 0);
  EXPECT_EQ(c[2243], (cella{.tipo_cella = 1, .dato_1 = 32, .dato_2 = 13, .dato_3 = 14,
                            .dato_4 = 77, .tempo = 180}));
  EXPECT_EQ(c[2241].avvicinamento, 71);
}

TEST(MemoSegnale, TempoIsRaisedTo101AndKeptOnlyForKind2) {
  array_celle c = celle();
  memo_segnale(c, {.posizione = 1000, .sx = 2, .tempo = 50});
  memo_segnale(c, {.posizione = 2000, .sx = 1, .tempo = 50});
  memo_segnale(c, {.posizione = 3000, .sx = 1, .tempo = 300});  // not stored, so no failure
  EXPECT_EQ(c[21].tempo, 101);
  EXPECT_EQ(c[41].tempo, 0);
  EXPECT_EQ(c[41].dato_4, 3);
  EXPECT_EQ(c[61].tempo, 0);
}

TEST(MemoSegnale, ReplacesATunnelMarkerButNotAStop) {
  array_celle c = celle();
  c[21].tipo_cella = tipo::marcatore_montagna;
  c[41].tipo_cella = tipo::fermata;
  EXPECT_EQ(numero(memo_segnale(c, {.posizione = 1000, .sx = 2, .s1 = 4})), 0);
  EXPECT_EQ(c[21].tipo_cella, tipo::segnale);
  array_celle prima = c;
  EXPECT_EQ(numero(memo_segnale(c, {.posizione = 2000, .sx = 2, .s1 = 4})), 16);
  EXPECT_EQ(c, prima);
}

TEST(MemoSegnale, ApproachCellsBelowCellZeroAreSkipped) {
  array_celle c = celle(20);
  ASSERT_EQ(numero(memo_segnale(c, {.posizione = 100, .sx = 1})), 0);
  EXPECT_EQ(c[3].tipo_cella, tipo::segnale);
  EXPECT_EQ(c[1].avvicinamento, 31);
  ASSERT_EQ(numero(memo_segnale(c, {.posizione = 0, .sx = 2})), 0);
  EXPECT_EQ(c[1].tipo_cella, tipo::segnale);
}

TEST(MemoSegnale, ValuesThatDoNotFitOrCellsOutsideFailBeforeAnyWrite) {
  array_celle c = celle(100);
  const array_celle vuote = c;
  EXPECT_THROW(memo_segnale(c, {.posizione = 1000, .s1 = 4000}), errore_lettura);
  EXPECT_THROW(memo_segnale(c, {.posizione = 1000, .sx = 2, .tempo = 256}), errore_lettura);
  EXPECT_THROW(memo_segnale(c, {.posizione = 1000, .sx = 9}), errore_lettura);  // mark 271
  EXPECT_THROW(memo_segnale(c, {.posizione = -100, .sx = 2}), errore_lettura);
  EXPECT_THROW(memo_segnale(c, {.posizione = 5000, .sx = 2}), errore_lettura);
  EXPECT_EQ(c, vuote);
}
