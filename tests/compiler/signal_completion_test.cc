#include "compiler/signal_completion.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace compila;

namespace {

// A compile with cells 0 to ultima, all empty.
compilazione con_celle(int32_t ultima) {
  compilazione c;
  c.celle.assign(static_cast<size_t>(ultima) + 1, cella{});
  return c;
}

void metti(compilazione& c, int32_t k, uint8_t t, int16_t dato_1 = 0) {
  c.celle.at(static_cast<size_t>(k)).tipo_cella = t;
  c.celle.at(static_cast<size_t>(k)).dato_1 = dato_1;
}

// A slowdown: start cell with its speed and, when fine > 0, its end cell.
void rallentamento(compilazione& c, int32_t inizio, int16_t velocita, int32_t fine) {
  metti(c, inizio, tipo::inizio_rallentamento, velocita);
  if (fine > 0) metti(c, fine, tipo::fine_rallentamento, velocita);
}

// Cells holding a code change, with their values.
std::vector<std::pair<int32_t, int16_t>> cambi_codice(const compilazione& c) {
  std::vector<std::pair<int32_t, int16_t>> out;
  for (size_t k = 0; k < c.celle.size(); ++k)
    if (c.celle[k].tipo_cella == tipo::cambio_codice)
      out.emplace_back(static_cast<int32_t>(k), c.celle[k].dato_1);
  return out;
}

// Anomalies as (code, position).
std::vector<std::pair<int32_t, int32_t>> anomalie(const compilazione& c) {
  std::vector<std::pair<int32_t, int32_t>> out;
  for (const anomalia& a : c.stato.anomalie) {
    EXPECT_EQ(a.origine, origine_anomalia::celle);
    out.emplace_back(numero(a.codice), a.posizione.value_or(-1));
  }
  return out;
}

using Cambi = std::vector<std::pair<int32_t, int16_t>>;
using Anomalie = std::vector<std::pair<int32_t, int32_t>>;

TEST(SignalCompletion, NoCellsDoesNothing) {
  compilazione c;
  completa_segnali(c);
  EXPECT_TRUE(c.celle.empty());
  EXPECT_EQ(c.stato.codice_errore, 0);
}

TEST(SignalCompletion, EmptyCellsStayEmpty) {
  compilazione c = con_celle(100);
  completa_segnali(c);
  EXPECT_EQ(c.celle, con_celle(100).celle);
}

// Signals before a warning board.

TEST(SignalCompletionBoard, EverySignalWithinTwentyCellsGetsACodeChange) {
  compilazione c = con_celle(100);
  metti(c, 60, tipo::avviso_rallentamento, 40);
  metti(c, 50, tipo::segnale);
  metti(c, 40, tipo::segnale);  // exactly 20 cells before; 39 is taken, so 38
  metti(c, 39, tipo::segnale);  // 21 cells before: out of reach
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{38, 180}, {49, 180}}));
}

TEST(SignalCompletionBoard, SecondCellBeforeTheSignalWhenTheFirstIsTaken) {
  compilazione c = con_celle(100);
  metti(c, 60, tipo::avviso_rallentamento, 40);
  metti(c, 50, tipo::segnale);
  metti(c, 49, tipo::indicatori_v_max);
  metti(c, 48, tipo::marcatore_montagna);  // a tunnel marker is replaced
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{48, 180}}));
  EXPECT_EQ(c.celle[49].tipo_cella, tipo::indicatori_v_max);
}

TEST(SignalCompletionBoard, FreeSecondCellWinsOverAnExistingCodeChange) {
  compilazione c = con_celle(100);
  metti(c, 60, tipo::avviso_rallentamento, 40);
  metti(c, 50, tipo::segnale);
  metti(c, 49, tipo::cambio_codice, 270);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{48, 180}, {49, 270}}));
}

TEST(SignalCompletionBoard, ExistingCodeChangeIsCappedAt180) {
  for (int16_t valore : {270, 120}) {
    for (int32_t dove : {49, 48}) {
      compilazione c = con_celle(100);
      metti(c, 60, tipo::avviso_rallentamento, 40);
      metti(c, 50, tipo::segnale);
      metti(c, 49, tipo::indicatori_v_max);
      metti(c, 48, tipo::cartello);
      metti(c, dove, tipo::cambio_codice, valore);
      completa_segnali(c);
      EXPECT_EQ(cambi_codice(c), (Cambi{{dove, std::min<int16_t>(valore, 180)}}))
          << valore << " in " << dove;
      EXPECT_EQ(c.stato.codice_errore, 0);
    }
  }
}

TEST(SignalCompletionBoard, NoRoomBeforeTheSignalIsAnomaly11) {
  compilazione c = con_celle(100);
  metti(c, 60, tipo::avviso_rallentamento, 40);
  metti(c, 50, tipo::segnale);
  metti(c, 49, tipo::indicatori_v_max);
  metti(c, 48, tipo::segnale);  // itself handled: 47 gets its code change
  metti(c, 46, tipo::indicatori_v_max);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{47, 180}}));
  EXPECT_EQ(anomalie(c), (Anomalie{{11, 2500}}));
  EXPECT_EQ(c.stato.posizione_errore, 2500);
}

TEST(SignalCompletionBoard, SignalsBelowCell3AreNotExamined) {
  compilazione c = con_celle(100);
  metti(c, 5, tipo::avviso_rallentamento, 40);
  metti(c, 3, tipo::segnale);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{2, 180}}));

  compilazione d = con_celle(100);
  metti(d, 5, tipo::avviso_rallentamento, 40);
  metti(d, 2, tipo::segnale);
  metti(d, 1, tipo::avviso_rallentamento, 40);  // a board in cell 1 looks at nothing
  completa_segnali(d);
  EXPECT_EQ(cambi_codice(d), Cambi{});
}

TEST(SignalCompletionBoard, SignalAtCell3WithBothCellsTakenReachesCell1Only) {
  compilazione c = con_celle(100);
  metti(c, 5, tipo::avviso_rallentamento, 40);
  metti(c, 3, tipo::segnale);
  metti(c, 2, tipo::indicatori_v_max);
  metti(c, 1, tipo::indicatori_v_max);
  completa_segnali(c);
  EXPECT_EQ(anomalie(c), (Anomalie{{11, 150}}));
  EXPECT_EQ(c.celle[0], cella{});
}

// Look-back groups before a slowdown start. A speed of 120 keeps the cells
// inside out; no end cell keeps the search after the end out.

TEST(SignalCompletionStart, GroupsRunOnlyPastTheirFarthestCandidate) {
  compilazione c = con_celle(100);
  rallentamento(c, 7, 120, 0);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), Cambi{});

  c = con_celle(100);
  rallentamento(c, 8, 120, 0);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{3, 180}}));

  c = con_celle(100);
  rallentamento(c, 20, 120, 0);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{9, 180}, {15, 180}}));

  c = con_celle(100);
  rallentamento(c, 21, 120, 0);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{3, 180}, {10, 180}, {16, 180}}));
}

TEST(SignalCompletionStart, FirstFreeCandidateOfEachGroup) {
  compilazione c = con_celle(100);
  rallentamento(c, 50, 120, 0);
  metti(c, 45, tipo::segnale);
  metti(c, 46, tipo::segnale);
  metti(c, 39, tipo::marcatore_montagna);
  metti(c, 32, tipo::segnale);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{31, 180}, {39, 180}, {44, 180}}));
}

TEST(SignalCompletionStart, GroupWithoutFreeCellIsAnomaly12AndTheNextGroupsStillRun) {
  compilazione c = con_celle(100);
  rallentamento(c, 50, 120, 0);
  for (int32_t k : {43, 44, 45}) metti(c, k, tipo::segnale);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{32, 180}, {39, 180}}));
  EXPECT_EQ(anomalie(c), (Anomalie{{12, 2500}}));
}

// Inside a slow slowdown.

TEST(SignalCompletionInside, FourHundredMetresAt40GoesBeforeTheEnd) {
  compilazione c = con_celle(100);
  rallentamento(c, 10, 40, 18);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{5, 180}, {17, 180}}));

  c = con_celle(100);
  rallentamento(c, 10, 40, 18);
  metti(c, 17, tipo::segnale);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{5, 180}, {19, 180}}));
}

TEST(SignalCompletionInside, SpacingCountsFromTheCellActuallyPlaced) {
  compilazione c = con_celle(100);
  rallentamento(c, 10, 105, 40);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{5, 180}, {18, 180}, {26, 180}, {34, 180}}));

  c = con_celle(100);
  rallentamento(c, 10, 40, 40);
  metti(c, 18, tipo::segnale);
  completa_segnali(c);  // 17, then 8 cells on: 25, 33
  EXPECT_EQ(cambi_codice(c), (Cambi{{5, 180}, {17, 180}, {25, 180}, {33, 180}}));

  c = con_celle(100);
  rallentamento(c, 10, 40, 40);
  metti(c, 17, tipo::segnale);
  metti(c, 18, tipo::segnale);
  completa_segnali(c);  // 19, then 27, 35
  EXPECT_EQ(cambi_codice(c), (Cambi{{5, 180}, {19, 180}, {27, 180}, {35, 180}}));
}

TEST(SignalCompletionInside, NoRoomIsAnomaly13AndEndsTheSlowdownsCells) {
  compilazione c = con_celle(100);
  rallentamento(c, 10, 40, 40);
  for (int32_t k : {17, 18, 19}) metti(c, k, tipo::segnale);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{5, 180}}));
  EXPECT_EQ(anomalie(c), (Anomalie{{13, 900}}));
}

TEST(SignalCompletionInside, At110OrMoreNoCellsInside) {
  compilazione c = con_celle(100);
  rallentamento(c, 10, 110, 40);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{5, 180}}));
}

// The first signal after a slowdown's end.

TEST(SignalCompletionAfterEnd, SignalUpToTwelveCellsAfterTheEnd) {
  compilazione c = con_celle(100);
  rallentamento(c, 10, 120, 20);
  metti(c, 32, tipo::segnale);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{5, 180}, {31, 180}}));

  c = con_celle(100);
  rallentamento(c, 10, 120, 20);
  metti(c, 33, tipo::segnale);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{5, 180}}));
}

TEST(SignalCompletionAfterEnd, OnlyTheFirstSignalAndTheCellBeforeItWhenTaken) {
  compilazione c = con_celle(100);
  rallentamento(c, 10, 40, 18);
  metti(c, 21, tipo::segnale);
  metti(c, 22, tipo::segnale);
  metti(c, 25, tipo::segnale);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{5, 180}, {17, 180}, {20, 180}}));
}

TEST(SignalCompletionAfterEnd, SignalRightAfterTheEndWithNoRoomIsAnomaly13AtTheEnd) {
  compilazione c = con_celle(100);
  rallentamento(c, 10, 120, 20);
  metti(c, 21, tipo::segnale);  // the cell before it is the end cell
  metti(c, 19, tipo::indicatori_v_max);
  completa_segnali(c);
  EXPECT_EQ(anomalie(c), (Anomalie{{13, 1000}}));
}

TEST(SignalCompletionAfterEnd, FastSlowdownStartsFromItsFirstEndCell) {
  compilazione c = con_celle(100);
  rallentamento(c, 10, 130, 30);
  metti(c, 25, tipo::segnale);  // inside the slowdown: not searched
  metti(c, 40, tipo::segnale);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{5, 180}, {39, 180}}));
}

TEST(SignalCompletionAfterEnd, SlowdownWithoutEndCellPlacesNothingAfterIt) {
  for (int16_t velocita : {40, 130}) {
    compilazione c = con_celle(30);
    rallentamento(c, 10, velocita, 0);
    metti(c, 14, tipo::segnale);
    completa_segnali(c);
    Cambi attesi = {{5, 180}};
    if (velocita < 110) attesi.push_back({18, 180}), attesi.push_back({26, 180});
    EXPECT_EQ(cambi_codice(c), attesi) << velocita;
    EXPECT_EQ(c.stato.codice_errore, 0);
  }
}

// The array's ends.

TEST(SignalCompletionEdges, WalkStopsAtTheLastCell) {
  compilazione c = con_celle(20);
  rallentamento(c, 12, 40, 0);
  metti(c, 19, tipo::segnale);
  metti(c, 20, tipo::segnale);  // c reaches 8 on the last cell: no cell past it
  completa_segnali(c);
  EXPECT_EQ(anomalie(c), (Anomalie{{13, 1000}}));
  EXPECT_EQ(c.celle.size(), 21u);
}

TEST(SignalCompletionEdges, SearchAfterTheEndStopsAtTheLastCell) {
  compilazione c = con_celle(20);
  rallentamento(c, 10, 120, 15);
  metti(c, 20, tipo::segnale);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{5, 180}, {19, 180}}));

  c = con_celle(20);
  rallentamento(c, 10, 120, 20);  // end on the last cell
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{5, 180}}));
}

TEST(SignalCompletionEdges, LastTwoCellsAreNotVisited) {
  compilazione c = con_celle(30);
  metti(c, 29, tipo::avviso_rallentamento, 40);
  metti(c, 25, tipo::segnale);
  rallentamento(c, 30, 40, 0);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), Cambi{});

  c = con_celle(30);
  metti(c, 28, tipo::avviso_rallentamento, 40);
  metti(c, 25, tipo::segnale);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{24, 180}}));
}

// The built-in scenario's two slow slowdowns.

TEST(SignalCompletionScenario, SlowdownAt97650) {
  compilazione c = con_celle(4520);
  metti(c, 1930, tipo::avviso_rallentamento, 40);
  for (int16_t s = 1; s <= 4; ++s) metti(c, 1930 - s, tipo::approccio_avviso, s);
  rallentamento(c, 1954, 40, 1962);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{1936, 180}, {1943, 180}, {1949, 180}, {1961, 180}}));
  EXPECT_EQ(c.stato.codice_errore, 0);
}

TEST(SignalCompletionScenario, SlowdownAt197400HoldsASignal) {
  compilazione c = con_celle(4520);
  rallentamento(c, 3949, 50, 3959);
  metti(c, 3957, tipo::segnale);
  completa_segnali(c);
  EXPECT_EQ(cambi_codice(c), (Cambi{{3931, 180}, {3938, 180}, {3944, 180}, {3956, 180}}));
}

}  // namespace
