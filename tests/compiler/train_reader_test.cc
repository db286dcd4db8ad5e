#include "compiler/train_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "compiler/source_error.h"

using namespace compila;

namespace {

// A compile whose line half has made cells 0 to U, and a train description
// held in memory.
class LettoreTreno : public ::testing::Test {
 protected:
  void celle(int ultima) { c.celle.assign(ultima + 1, cella{}); }

  // Reads "[generale]", the given lines and "[fine]".
  void leggi(const std::string& righe) { leggi_file("[generale]\r\n" + righe + "[fine]\r\n"); }
  void leggi_file(const std::string& contenuto) { leggi_descrizione_treno(c, contenuto); }

  const voce_scenario& voce_n(int i) const { return c.tabella[i]; }
  void atteso(int32_t codice, int32_t posizione) const {
    EXPECT_EQ(c.stato.codice_errore, codice);
    EXPECT_EQ(c.stato.posizione_errore, posizione);
  }

  compilazione c;

 public:
  LettoreTreno() { celle(200); }
};

TEST_F(LettoreTreno, GeneralValuesGoToRecords84And86) {
  leggi_file(
      "sabbia, 1\r\n[generale]\r\nnumero vetture,    13\r\npercentuale massa frenata,    130\r\n"
      "massa, 77\r\nSABBIA,    200\r\norologio,    15              12            45 \r\n"
      "[segnali]\r\n[stazioni]\r\n[rallentamenti]\r\n[aderenze]\r\n[fine]\r\n");
  EXPECT_EQ(voce_n(84).valore_1, 130);
  EXPECT_EQ(voce_n(84).valore_3, 13);
  EXPECT_EQ(voce_n(86).intero_1, 200);
  EXPECT_EQ(voce_n(86).intero_3, 15);
  EXPECT_EQ(voce_n(86).intero_4, 12);
  EXPECT_EQ(voce_n(86).intero_5, 45);
  EXPECT_EQ(c.stato.codice_errore, 0);
}

TEST_F(LettoreTreno, FieldsWithADashArePassedOverAtMostTwice) {
  leggi("-a-\r\n-b-\r\n-c sabbia-, 7\r\n");
  EXPECT_EQ(voce_n(86).intero_1, 7);
  leggi("-a-\r\n-b sabbia-\r\n9\r\n");  // the keyword is "9"
  EXPECT_EQ(voce_n(86).intero_1, 7);
}

TEST_F(LettoreTreno, WithoutGeneraleNothingIsReadAndTheFileIsDeleted) {
  leggi_file("sabbia, 5\r\nvelocita, 0, 30\r\n");
  EXPECT_EQ(voce_n(86).intero_1, 0);
  EXPECT_EQ(c.celle[0].limite, 0);
}

TEST_F(LettoreTreno, ProfilesAreStepFunctionsCompletedUpToUMinus3) {
  leggi("velocita, 0, 30\r\nvelocita, 200, 200\r\naderenza, 0, 100\r\naderenza, 1000, 80\r\n");
  for (int k = 0; k <= 200; ++k) {
    EXPECT_EQ(c.celle[k].limite, k > 197 ? 0 : k < 4 ? 6 : 40) << k;
    EXPECT_EQ(c.celle[k].aderenza, k > 197 ? 0 : k < 20 ? 100 : 80) << k;
  }
}

TEST_F(LettoreTreno, ALineRepeatedAtOnePositionStillWritesOneCell) {
  leggi("velocita, 0, 30\r\nvelocita, 200, 60\r\nvelocita, 200, 90\r\n");
  EXPECT_EQ(c.celle[3].limite, 6);
  EXPECT_EQ(c.celle[4].limite, 12);
  EXPECT_EQ(c.celle[5].limite, 18);
}

TEST_F(LettoreTreno, RepeatedAdhesionLinesNeverRunPastTheCells) {
  celle(10);
  std::string righe;
  for (int i = 0; i < 30; ++i) righe += "aderenza, 100, 90\r\n";
  leggi(righe);
  EXPECT_EQ(c.celle[10].aderenza, 90);
}

TEST_F(LettoreTreno, FirstStationRecordStopCellAndApproachMarks) {
  leggi(
      "stazione,       0,  8,  700,  1, 1, 3,  4,1,0,  2,1,1,    1,   5,50, 0, VERONA  P. "
      "N.\xC8\r\n");
  voce_scenario atteso_r{.tipo = 8, .valore_1 = -700, .valore_2 = 700, .valore_3 = 0, .marca = 1,
                         .testo = "VERONA  P. N.\u00C8", .intero_1 = 4, .intero_2 = 1,
                         .intero_3 = 2, .intero_4 = 1, .intero_5 = 1, .byte_1 = 0, .byte_2 = 1,
                         .byte_3 = 0, .byte_4 = 0, .valore_4 = 5 * 3600 + 50 * 60};
  EXPECT_EQ(voce_n(1), atteso_r);
  EXPECT_EQ(c.celle[13], (cella{.tipo_cella = 10, .dato_1 = 1}));
  for (int k = 1; k <= 4; ++k) EXPECT_EQ(c.celle[13 - k].avvicinamento, 80 + k);
  EXPECT_EQ(c.celle[8].avvicinamento, 0);
}

TEST_F(LettoreTreno, StationExtentByKind) {
  leggi(
      "stazione, 0, 8, 700, 0,0,0, 0,0,0, 0,0,0, 0,0,0,0, A\r\n"
      "stazione, 6000, 12, 300, 0,9,6, 0,0,0, 0,0,0, 0,0,0,0, B\r\n"
      "stazione, 7000, 5, 300, 0,0,6, 0,0,0, 0,0,0, 0,0,0,0, C\r\n"
      "stazione, 8000, 30, 600, 0,9,0, 0,0,0, 0,0,0, 0,0,0,0, D\r\n");
  EXPECT_EQ(voce_n(2).valore_1, 5850);
  EXPECT_EQ(voce_n(2).valore_2, 6200);  // centred, lengthened by 50 m
  EXPECT_EQ(voce_n(2).byte_3, 6);
  EXPECT_EQ(voce_n(2).byte_4, 0);  // shorter than 600 m
  EXPECT_EQ(c.celle[123], (cella{.tipo_cella = 10, .dato_1 = 2}));
  EXPECT_EQ(c.celle[122].avvicinamento, 81);
  EXPECT_EQ(voce_n(3).valore_1, 6700);
  EXPECT_EQ(voce_n(3).valore_2, 7150);
  EXPECT_EQ(voce_n(3).byte_3, 0);
  EXPECT_EQ(c.celle[142], (cella{.tipo_cella = 10, .dato_1 = 3}));
  EXPECT_EQ(c.celle[141].avvicinamento, 0);  // kind 5: no approach marks
  EXPECT_EQ(voce_n(4).valore_1, 7700);
  EXPECT_EQ(voce_n(4).valore_2, 8300);
  EXPECT_EQ(voce_n(4).byte_4, 9);
  EXPECT_EQ(c.celle[165], cella{});  // kind 25 and above: no cell
}

TEST_F(LettoreTreno, TheStopCellReplacesWhatTheCellHeldKeepingItsOtherValues) {
  c.celle[13] = cella{.tipo_cella = 6, .dato_1 = 1500, .dato_2 = 1600, .dato_3 = 1800};
  leggi("stazione, 0, 8, 700, 0,0,0, 0,0,0, 0,0,0, 0,0,0,0, A\r\n");
  EXPECT_EQ(c.celle[13], (cella{.tipo_cella = 10, .dato_1 = 1, .dato_2 = 1600, .dato_3 = 1800}));
}

TEST_F(LettoreTreno, StationsMustBe350MetresApart) {
  const std::string prima = "stazione, 1000, 12, 400, 0,0,0, 0,0,0, 0,0,0, 0,0,0,0, A\r\n";
  leggi(prima + "stazione, 1750, 12, 400, 0,0,0, 0,0,0, 0,0,0, 0,0,0,0, B\r\n");
  atteso(0, 0);
  c = compilazione{};
  celle(200);
  leggi(prima + "stazione, 1700, 12, 400, 0,0,0, 0,0,0, 0,0,0, 0,0,0,0, B\r\nsabbia, 3\r\n");
  atteso(22, 1700);
  EXPECT_EQ(voce_n(86).intero_1, 0);
}

TEST_F(LettoreTreno, CodeChangesWithAndWithoutValue) {
  c.celle[40] = cella{.tipo_cella = 11, .dato_1 = 5};
  leggi("abbattimento, 1000, 180\r\nabbattimento, 2000, 0\r\n");
  EXPECT_EQ(c.celle[20], (cella{.tipo_cella = 12, .dato_1 = 180}));
  EXPECT_EQ(c.celle[40], (cella{.tipo_cella = 13, .dato_1 = 5}));
}

TEST_F(LettoreTreno, SignalsAndSlowdownsArePlaced) {
  leggi("segnale, 2000, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0\r\nrallentamento, 3000, 30, 200, 0, 1, 0\r\n");
  EXPECT_EQ(c.celle[41].tipo_cella, tipo::segnale);
  EXPECT_EQ(c.celle[39].avvicinamento, 61);
  EXPECT_EQ(c.celle[61].tipo_cella, tipo::inizio_rallentamento);
  atteso(0, 0);
}

// Faults that stop reading at once: the profiles are not completed, the rest
// of the file is not read and the file is deleted.
TEST_F(LettoreTreno, FaultsThatStopReading) {
  const std::string st = ", 0,0,0, 0,0,0, 0,0,0, 0,0,0,0, X\r\n";
  struct caso {
    std::string righe;
    int32_t codice, posizione;
  };
  for (const caso& k : {
           caso{"abbattimento, 1000, 1\r\nabbattimento, 1020, 1\r\n", 7, 1020},
           caso{"stazione, 6030, 12, 300" + st, 8, 6030},
           caso{"stazione, 6000, 12, 350" + st, 9, 6000},
           caso{"stazione, 0, 12, 200" + st, 24, -1},
           caso{"segnale, 2000, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0\r\n"
                "segnale, 2020, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0\r\n",
                16, 2020},
           caso{"segnale, 1800, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0\r\n"
                "rallentamento, 3000, 30, 200, 0, 1, 0\r\n",
                17, 3000},
           caso{"segnale, 3000, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0\r\n"
                "rallentamento, 3000, 30, 200, 0, 1, 0\r\n",
                18, 3000},
           caso{"abbattimento, 3250, 1\r\nrallentamento, 3000, 30, 200, 0, 1, 0\r\n", 19, 3000},
           caso{"abbattimento, 1700, 1\r\nrallentamento, 3000, 30, 200, 0, 1, 0\r\n", 20, 3000},
       }) {
    c = compilazione{};
    c.stato.posizione_errore = -1;
    celle(200);
    leggi("velocita, 0, 30\r\n" + k.righe + "sabbia, 3\r\n");
    atteso(k.codice, k.posizione);
    ASSERT_EQ(c.stato.anomalie.size(), 1u) << k.codice;
    EXPECT_EQ(c.stato.anomalie[0].origine, origine_anomalia::descrizione_treno);
    EXPECT_GT(c.stato.anomalie[0].riga, 2) << k.codice;
    EXPECT_EQ(voce_n(86).intero_1, 0) << k.codice;
    EXPECT_EQ(c.celle[0].limite, 0) << k.codice;
  }
}

TEST_F(LettoreTreno, StationsStopBeforeMeetingTheSignBoards) {
  c.prossimo_cartello = 3;
  c.stato.posizione_errore = 77;
  const std::string st = ", 12, 400, 0,0,0, 0,0,0, 0,0,0, 0,0,0,0, X\r\n";
  leggi("stazione, 1000" + st + "stazione, 5000" + st + "stazione, 9000" + st);
  atteso(10, 77);
  EXPECT_EQ(voce_n(2).valore_3, 5000);
  EXPECT_EQ(voce_n(3).valore_3, 0);
}

TEST_F(LettoreTreno, BeyondTheCellsTheRestIsIgnoredButProfilesAreCompleted) {
  // 50 U = 10000: a signal passes at 9900, not at 9950; a station at 9200, not at 9250.
  leggi("velocita, 0, 30\r\nsegnale, 9900, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0\r\n"
        "segnale, 9950, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0\r\nsabbia, 3\r\n");
  atteso(15, 9950);
  EXPECT_EQ(c.celle[199].tipo_cella, tipo::segnale);
  EXPECT_EQ(voce_n(86).intero_1, 0);
  EXPECT_EQ(c.celle[197].limite, 6);

  c = compilazione{};
  celle(200);
  leggi("stazione, 9250, 12, 400, 0,0,0, 0,0,0, 0,0,0, 0,0,0,0, X\r\n");
  atteso(15, 9250);
}

TEST_F(LettoreTreno, ProgressiveCheckReplacesAFault15WithFault2) {
  c.tabella[82].valore_2 = 114130;
  leggi("aderenza, 9950, 100\r\n");
  atteso(2, 9950);
  EXPECT_EQ(c.stato.anomalie.size(), 2u);
}

TEST_F(LettoreTreno, AFault15OfTheLineHalfStopsAtTheFirstPlacement) {
  c.stato.codice_errore = 15;
  c.stato.posizione_errore = 300000;
  leggi("sabbia, 4\r\nrallentamento, 3000, 30, 200, 0, 1, 0\r\n"
        "segnale, 6000, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0\r\n");
  atteso(15, 3000);
  EXPECT_EQ(voce_n(86).intero_1, 4);
  EXPECT_EQ(c.celle[61].tipo_cella, tipo::inizio_rallentamento);  // placed, then stopped
  EXPECT_EQ(c.celle[121].tipo_cella, 0);
}

TEST_F(LettoreTreno, FailuresOfTheReadingAreThrownWithTheirLine) {
  auto errore = [&](const std::string& contenuto) -> std::string {
    c = compilazione{};
    celle(200);
    try {
      leggi_file(contenuto);
    } catch (const errore_sorgente& e) {
      return "line " + std::to_string(e.riga()) + ": " + e.what();
    }
    return "no failure";
  };
  EXPECT_EQ(errore("[generale]\r\nsabbia, 40000\r\n[fine]\r\n"),
            "line 2: 40000 is out of range for sabbia, which holds -32768 to 32767");
  EXPECT_EQ(errore("[generale]\r\nsegnale, 100, 2\r\n"),
            "line 2: the file ends in the middle of an item: a value is missing, or the file does "
            "not end with its closing line \"[fine]\"");
  EXPECT_EQ(errore("[generale]\r\nvelocita, 0, 1300\r\n[fine]\r\n"),
            "line 3: 260 is out of range for a speed limit in steps of 5 km/h, which holds 0 "
            "to 255");
  EXPECT_NE(errore("[generale]\r\nstazione, 0, 8, 700, 300,0,0, 0,0,0, 0,0,0, 0,0,0,0, X\r\n"
                   "[fine]\r\n"),
            "no failure");
  EXPECT_NE(errore("[generale]\r\nstazione, 0, 8, 700, 0,0,0, 0,0,0, 0,0,0, 999999,0,0,0, X\r\n"
                   "[fine]\r\n"),
            "no failure");
  // The stop cell would be 201 of 200: nothing of that station is marked.
  EXPECT_EQ(errore("[generale]\r\nstazione, 9000, 8, 1100, 0,0,0, 0,0,0, 0,0,0, 0,0,0,0, X\r\n"
                   "[fine]\r\n"),
            "line 2: the stop of the station ending at 10100 m lies past the last track cell: "
            "move the station or lengthen the route");
  EXPECT_EQ(c.celle[197].avvicinamento, 0);
}

}  // namespace
