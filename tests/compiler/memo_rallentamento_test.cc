#include "compiler/memo_rallentamento.h"

#include <gtest/gtest.h>

#include <utility>

#include "textio/field_reader.h"

using namespace compila;

namespace {

array_celle celle(int ultima = 4520) { return array_celle(ultima + 1); }

cella segno(uint8_t t, int16_t d1, int16_t d2 = 0, int16_t d3 = 0) {
  return cella{.tipo_cella = t, .dato_1 = d1, .dato_2 = d2, .dato_3 = d3};
}

}  // namespace

TEST(MemoRallentamento, BoardStartEndAndApproachCells) {
  array_celle c = celle();
  ASSERT_EQ(numero(memo_rallentamento(c, {97650, 40, 400, 0, 1, 0})), 0);
  EXPECT_EQ(c[1930], segno(tipo::avviso_rallentamento, 40));
  EXPECT_EQ(c[1954], segno(tipo::inizio_rallentamento, 40));
  EXPECT_EQ(c[1962], segno(tipo::fine_rallentamento, 40));
  for (int i = 0; i < 4; ++i) EXPECT_EQ(c[1929 - i], segno(tipo::approccio_avviso, i + 1));
  EXPECT_EQ(c[1925], cella{});

  ASSERT_EQ(numero(memo_rallentamento(c, {197400, 50, 500, 0, 1, 0})), 0);
  EXPECT_EQ(c[3925].tipo_cella, tipo::avviso_rallentamento);
  EXPECT_EQ(c[3949].tipo_cella, tipo::inizio_rallentamento);
  EXPECT_EQ(c[3959].tipo_cella, tipo::fine_rallentamento);
  EXPECT_EQ(c[3921], segno(tipo::approccio_avviso, 4));
}

TEST(MemoRallentamento, DvIsKeptWhereNonzeroAndFttOnStartAndEnd) {
  array_celle c = celle(200);
  c[61].dato_2 = 9;
  ASSERT_EQ(numero(memo_rallentamento(c, {3000, 30, 200, 7, 0, 0})), 0);
  EXPECT_EQ(c[61], segno(tipo::inizio_rallentamento, 30, 9, 7));
  EXPECT_EQ(c[65], segno(tipo::fine_rallentamento, 30, 0, 7));
  EXPECT_EQ(c[37], segno(tipo::avviso_rallentamento, 30));
  EXPECT_EQ(c[36], cella{});  // f_ta 0: no approach cells

  ASSERT_EQ(numero(memo_rallentamento(c, {8000, 60, 100, 1, 1, 2})), 0);
  EXPECT_EQ(c[161], segno(tipo::inizio_rallentamento, 60, 2, 1));
  EXPECT_EQ(c[137], segno(tipo::avviso_rallentamento, 60, 2));
  EXPECT_EQ(c[133], segno(tipo::approccio_avviso, 4, 4));
}

TEST(MemoRallentamento, NoWarningBoardUpTo1500Metres) {
  array_celle c = celle(100);
  ASSERT_EQ(numero(memo_rallentamento(c, {1500, 30, 100, 0, 1, 0})), 0);
  EXPECT_EQ(c[31].tipo_cella, tipo::inizio_rallentamento);
  for (int k = 0; k < 31; ++k) EXPECT_EQ(c[k], cella{}) << k;

  c = celle(100);
  ASSERT_EQ(numero(memo_rallentamento(c, {1550, 30, 100, 0, 1, 0})), 0);
  EXPECT_EQ(c[8].tipo_cella, tipo::avviso_rallentamento);
  EXPECT_EQ(c[7], segno(tipo::approccio_avviso, 1));
  EXPECT_EQ(c[4], segno(tipo::approccio_avviso, 4));
}

TEST(MemoRallentamento, AShortSlowdownLeavesItsOneCellAsAStart) {
  array_celle c = celle(100);
  ASSERT_EQ(numero(memo_rallentamento(c, {1000, 30, 10, 0, 0, 0})), 0);
  EXPECT_EQ(c[21].tipo_cella, tipo::inizio_rallentamento);
}

TEST(MemoRallentamento, TakenCellsStopBeforeAnyWriteExceptForTheApproachCells) {
  struct caso {
    int taken;
    int32_t fault;
  };
  for (caso k : {caso{37, 17}, caso{61, 18}, caso{65, 19}}) {
    array_celle c = celle(200);
    c[k.taken].tipo_cella = tipo::cartello;
    const array_celle prima = c;
    EXPECT_EQ(numero(memo_rallentamento(c, {3000, 30, 200, 0, 1, 0})), k.fault);
    EXPECT_EQ(c, prima) << k.fault;
  }
  array_celle c = celle(200);
  c[33].tipo_cella = tipo::segnale;
  EXPECT_EQ(numero(memo_rallentamento(c, {3000, 30, 200, 0, 1, 0})), 20);
  EXPECT_EQ(c[37].tipo_cella, tipo::avviso_rallentamento);
  EXPECT_EQ(c[61].tipo_cella, tipo::inizio_rallentamento);
  EXPECT_EQ(c[65].tipo_cella, tipo::fine_rallentamento);
  EXPECT_EQ(c[36], cella{});
}

TEST(MemoRallentamento, CellsOutsideOrValuesThatDoNotFitFailBeforeAnyWrite) {
  array_celle c = celle(100);
  const array_celle vuote = c;
  EXPECT_THROW(memo_rallentamento(c, {4000, 30, 1000, 0, 1, 0}), errore_lettura);  // end cell 101
  EXPECT_THROW(memo_rallentamento(c, {1000, 30, -2000, 0, 0, 0}), errore_lettura);
  EXPECT_THROW(memo_rallentamento(c, {-200, 30, 100, 0, 0, 0}), errore_lettura);
  EXPECT_THROW(memo_rallentamento(c, {3000, 40000, 100, 0, 1, 0}), errore_lettura);
  EXPECT_EQ(c, vuote);
  // Board, start, end in this order: a taken board or start is reported
  // before an end outside the cells.
  for (const auto& [presa, codice] : {std::pair{57, 17}, std::pair{81, 18}}) {
    array_celle d = celle(100);
    d[presa].tipo_cella = tipo::segnale;
    EXPECT_EQ(numero(memo_rallentamento(d, {4000, 30, 1000, 0, 1, 0})), codice);
  }
}
