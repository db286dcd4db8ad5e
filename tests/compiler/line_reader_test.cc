#include "compiler/line_reader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "compile_fixture.h"
#include "output/profile_file.h"

using namespace compila;

namespace {

using B = banco_linea;

// ---- Faults that stop the reading ----

TEST(LineReaderFaults, MissingFileIs101AndReadsNothing) {
  banco_linea b;
  EXPECT_EQ(memorizza_dati(b.c, {std::nullopt, b.treno}), fine_lettura::linea_fermata);
  EXPECT_EQ(b.codice(), 101);
  EXPECT_FALSE(b.c.celle_create());
}

TEST(LineReaderFaults, GeneraleAsTheVeryLastFieldIs102) {
  // A "[generale]" on the last line is there, but never read: the message
  // says so, at that line.
  for (const auto& [testo, riga] : {std::pair{"x,y\r\n[generale]", 2}, {"[generale]\r\n", 1},
                                    {"nulla\r\n[fine]\r\n", 0}}) {
    banco_linea b;
    EXPECT_FALSE(b.leggi(testo)) << testo;
    EXPECT_EQ(b.codice(), 102) << testo;
    EXPECT_EQ(b.c.stato.anomalie.back().riga, riga) << testo;
    EXPECT_EQ(messaggio_anomalia(b.c.stato.anomalie.back()).starts_with(
                  riga ? "the \"[generale]\" line is the last line of the file" : "no \"[generale]\""),
              true)
        << testo;
  }
}

TEST(LineReaderFaults, RouteLengthAboveOneMillionIs1BeforeAnyArray) {
  banco_linea b;
  EXPECT_FALSE(b.leggi(B::con_generale({}, 1000001)));
  EXPECT_EQ(b.codice(), 1);
  EXPECT_EQ(b.c.tabella[84].valore_2, 1000001);
  EXPECT_FALSE(b.c.celle_create());

  banco_linea massimo;
  massimo.c.j = 0;
  EXPECT_TRUE(massimo.leggi(B::con_generale({}, 1000000)));
  EXPECT_EQ(massimo.c.ultima_cella(), 20140);
}

TEST(LineReaderFaults, SignalRepetitionOffTheGridOrWithoutCodesIs3To5) {
  struct caso {
    const char* riga;
    int codice;
  } casi[] = {{"ripetizione segnali 4 codici, 3510, 9000", 3},
              {"ripetizione segnali 4 codici, 3500, 9010", 4},
              {"ripetizione segnali codici, 3500, 9000", 5}};
  for (const caso& k : casi) {
    banco_linea b;
    EXPECT_FALSE(b.leggi(B::righe({"[generale]", k.riga, "[fine]"}))) << k.riga;
    EXPECT_EQ(b.codice(), k.codice) << k.riga;
    EXPECT_EQ(b.c.stato.posizione_errore, 0);
    EXPECT_EQ(b.c.stato.anomalie.back().riga, 2);
  }
}

TEST(LineReaderFaults, TakenCellsStopWithTheBoardsPosition) {
  banco_linea segno;
  EXPECT_FALSE(segno.leggi(B::con_generale({"indicatori_vmax, 1650, 75, 80, 90, 0, , , , 0",
                                            "cartello_indicatore, 1660, (X)"})));
  EXPECT_EQ(segno.codice(), 6);
  EXPECT_EQ(segno.posizione(), 1660);
  EXPECT_EQ(segno.c.stato.anomalie.back().riga, 5);
  EXPECT_EQ(segno.c.tabella[80].testo, "");

  banco_linea velocita;
  EXPECT_FALSE(velocita.leggi(B::con_generale({"cartello_indicatore, 1660, (X)",
                                               "indicatori_vmax, 1650, 75, 80, 90, 0, , , , 0"})));
  EXPECT_EQ(velocita.codice(), 21);
  EXPECT_EQ(velocita.posizione(), 1650);
  EXPECT_EQ(velocita.cl(34).tipo_cella, 14);
}

TEST(LineReaderFaults, CurveWithoutClassDigitOrPastTheDrawingIs103) {
  banco_linea senza;
  EXPECT_FALSE(senza.leggi(B::con_generale({"curvas, 100, 100", "pendenza, 1000, 6"})));
  EXPECT_EQ(senza.codice(), 103);
  EXPECT_EQ(senza.cl(0).pendenza, 0);  // no completion after a fault

  banco_linea oltre;  // N = 10000: the curve may draw rows 9999 and 10000, never more
  EXPECT_FALSE(oltre.leggi(B::con_generale({"curvad3, 9800, 5000"})));
  EXPECT_EQ(oltre.codice(), 103);
  EXPECT_EQ(oltre.c.profilo.ultimo_metro(), 10000);
  EXPECT_EQ(oltre.c.profilo(10000, 1).tag, elemento_profilo::etichetta::reale);
}

TEST(LineReaderFaults, DrawingCursorPastOneMillionIs103) {
  banco_linea b;
  EXPECT_FALSE(b.leggi(B::con_generale({"curvad1, 999000, 5000"}, 1000000)));
  EXPECT_EQ(b.codice(), 103);
  const profilo_linea& p = b.c.profilo;
  EXPECT_EQ(p(1000000, 0).tag, elemento_profilo::etichetta::reale);
  EXPECT_EQ(p(1000001, 0).tag, elemento_profilo::etichetta::vuoto);
}

// The longest route's drawing, bit for bit: 199 curves of every class, the
// completion past metre 1000000 to N - 2; and the same cut short at metre
// 1000000 by a last curve (anomaly 103). The hashes are FNV-1a 64 of the
// line profile file as the first implementation wrote it.
TEST(LineReaderDrawing, LongestRouteIsBitForBitTheSame) {
  const auto fnv1a = [](std::string_view byte) {
    uint64_t h = 0xcbf29ce484222325;
    for (char ch : byte) h = (h ^ static_cast<uint8_t>(ch)) * 0x100000001b3;
    return h;
  };
  struct caso {
    const char* ultima_curva;
    size_t dimensione;
    uint64_t impronta;
  };
  for (const caso& k : {caso{"", 20139964, 0xa6de83c10ede25e3},
                        caso{"curvad1, 999000, 5000\r\n", 20027996, 0x908c874396692eab}}) {
    std::string testo = "[generale]\r\nlunghezza percorso,    1000000\r\n[curve]\r\n";
    for (int i = 0; i < 199; ++i)
      testo += std::string("curva") + (i % 2 ? "s" : "d") + std::to_string(i % 6 + 1) + ", " +
               std::to_string(1000 + 5000 * i) + ", " + std::to_string(300 + i * 137 % 1200) + "\r\n";
    banco_linea b;
    b.leggi(testo + k.ultima_curva + "[fine]\r\n");
    const std::string file = codifica_profilo(b.c.profilo);
    EXPECT_EQ(file.size(), k.dimensione) << k.ultima_curva;
    EXPECT_EQ(fnv1a(file), k.impronta) << k.ultima_curva;
  }
}

// ---- The range test ----

TEST(LineReaderRange, FeatureOutsideTheCellsEndsTheFeaturesOnly) {
  banco_linea b;
  EXPECT_TRUE(b.leggi(B::con_generale({"pendenza, 0, 5", "cartello_indicatore, 9900, (ULTIMO)",
                                       "montagna, 9950, 9990, 1", "cartello_indicatore, 100, (MAI)"})));
  EXPECT_EQ(b.codice(), 15);
  EXPECT_EQ(b.posizione(), 9950);
  EXPECT_EQ(b.c.tabella[80].testo, "(ULTIMO)");
  EXPECT_EQ(b.c.tabella[79].testo, "");
  EXPECT_EQ(b.cl(197).pendenza, 105);  // the completion still ran
}

// ---- The end of the file ----

TEST(LineReaderEndOfFile, LastFieldIsNeverActedUpon) {
  banco_linea b;
  std::string testo = B::righe({"[generale]", "lunghezza percorso, 3000", "[curve]"}) + "montagna";
  EXPECT_TRUE(b.leggi(testo));
  EXPECT_EQ(b.codice(), 0);
  EXPECT_EQ(b.c.numero_montagne, 0);
}

TEST(LineReaderEndOfFile, FeatureWhoseValuesAreTheLastFieldsIsActedUpon) {
  banco_linea b;
  std::string testo = B::righe({"[generale]", "lunghezza percorso, 3000", "[pendenze]"}) +
                      "pendenza,  1000,   6";
  EXPECT_TRUE(b.leggi(testo));
  EXPECT_EQ(b.cl(19).pendenza, 100);
  EXPECT_EQ(b.cl(20).pendenza, 106);
}

TEST(LineReaderEndOfFile, GeneralSectionEndingWithTheFileStillCompiles) {
  banco_linea b;
  EXPECT_TRUE(b.leggi(B::righe({"[generale]", "lunghezza percorso, 3000", "sfondo uno, 4"})));
  EXPECT_EQ(b.c.tabella[85].valore_1, 4);
  EXPECT_EQ(b.cl(197).pendenza, 100);
}

// ---- Comment skips and keyword tests ----

TEST(LineReaderComments, TenSkipsInTheGeneralSectionTwoInTheFeatures) {
  std::string dieci, undici;
  for (int i = 0; i < 10; ++i) dieci += "-c,";
  undici = dieci + "-";
  banco_linea b;
  EXPECT_TRUE(b.leggi(B::righe({"[generale]", "lunghezza percorso, 3000", dieci + "sfondo uno, 7",
                                undici + "sfondo tre, 8", "[x]", "-a,-b,pendenza, 0, 3",
                                "-a,-b,-pendenza, 1000, 9",
                                "[fine]"})));
  EXPECT_EQ(b.c.tabella[85].valore_1, 7);
  EXPECT_EQ(b.c.tabella[85].valore_2, 8);  // the eleventh comment is a keyword
  EXPECT_EQ(b.cl(0).pendenza, 103);
  EXPECT_EQ(b.cl(20).pendenza, 109);  // the third comment is a keyword
}

TEST(LineReaderKeywords, ExactAndCaseInsensitiveTests) {
  banco_linea b;
  EXPECT_TRUE(b.leggi(B::righe({"[generale]", "LUNGHEZZA PERCORSO, 3000",
                                "Progressiva chilometrica tre, 500, 9000, 0",
                                "sfondo uno due, 1, 2", "SFONDO TRE, 3", "[x]",
                                "PENDENZA, 1000, 5", "sfondo uno, 4", "[fine]"})));
  EXPECT_EQ(b.c.ultima_cella(), 200);
  EXPECT_EQ(b.c.tabella[81].valore_1, 0);  // capital P: not recognised
  EXPECT_EQ(b.c.tabella[85].valore_1, 1);  // one field, two keywords, each its value
  EXPECT_EQ(b.c.tabella[85].valore_3, 2);
  EXPECT_EQ(b.c.tabella[85].valore_2, 0);  // exact test
  EXPECT_EQ(b.cl(20).pendenza, 105);       // features: case-insensitive
}

TEST(LineReaderKeywords, LinesOutsideTheirSectionAreIgnored) {
  banco_linea b;
  EXPECT_TRUE(b.leggi(B::righe({"[generale]", "lunghezza percorso, 3000", "pendenza, 1000, 6",
                                "[x]", "sfondo uno, 4", "[fine]"})));
  EXPECT_EQ(b.c.tabella[85].valore_1, 0);
  EXPECT_EQ(b.cl(0).pendenza, 100);
  EXPECT_EQ(b.cl(30).pendenza, 100);
}

TEST(LineReaderGeneral, ScenarioSectionFillsRecords81To86WithCrossedOrders) {
  banco_linea b;
  EXPECT_TRUE(b.leggi(B::righe(
      {"[generale]", "lunghezza percorso,    219000",
       "progressiva chilometrica uno,    0,    114000,    1",
       "progressiva chilometrica due,    114500,    211500,    1",
       "progressiva chilometrica tre,    0,    0,    0", "sfondo uno,    1", "sfondo due,    195000",
       "sfondo tre,    117000", "ripetizione segnali 4 codici,    3500,    209000", "[fine]"})));
  const tabella_scenario& t = b.c.tabella;
  EXPECT_EQ(b.c.ultima_cella(), 4520);
  EXPECT_EQ(b.c.profilo.ultimo_metro(), 226000);
  EXPECT_EQ(t[84].valore_2, 219000);
  EXPECT_EQ((std::array{t[81].valore_1, t[81].valore_2, t[81].valore_3}), (std::array{114500, 211600, 1}));
  EXPECT_EQ((std::array{t[82].valore_1, t[82].valore_2, t[82].valore_3}), (std::array{0, 114100, 1}));
  EXPECT_EQ((std::array{t[83].valore_1, t[83].valore_2, t[83].valore_3}), (std::array{0, 0, 0}));
  EXPECT_EQ((std::array{t[85].valore_1, t[85].valore_2, t[85].valore_3}), (std::array{1, 117000, 195000}));
  EXPECT_EQ((std::array{t[86].valore_1, t[86].valore_2, t[86].valore_3}), (std::array{3500, 209000, 4}));
}

TEST(LineReaderGeneral, SignalRepetitionCodeCount) {
  struct caso {
    const char* riga;
    int codici;
  } casi[] = {{"ripetizione segnali 9 codici, 3500, 0", 0},
              {"ripetizione segnali 9 codici, 3500, 9000", 9},
              {"ripetizione segnali 94, 3500, 9000", 4}};
  for (const caso& k : casi) {
    banco_linea b;
    EXPECT_TRUE(b.leggi(B::righe({"[generale]", "lunghezza percorso, 3000", k.riga, "[fine]"})));
    EXPECT_EQ(b.c.tabella[86].valore_1, 3500);
    EXPECT_EQ(b.c.tabella[86].valore_3, k.codici) << k.riga;
  }
}

TEST(LineReaderGeneral, WithoutCurvesTheDrawingIsNotBuiltWhenJIsZero) {
  banco_linea b;
  b.c.j = 0;
  EXPECT_TRUE(b.leggi(B::con_generale({"curvas3, 100, 100", "pendenza, 1000, 6"})));
  EXPECT_FALSE(b.c.con_disegno());
  // The curve's two numbers were read as fields that match nothing.
  EXPECT_EQ(b.cl(20).pendenza, 106);
}

TEST(LineReaderGeneral, OnlyTheLengthLineCompilesToFlatStraightLine) {
  banco_linea b;
  EXPECT_TRUE(b.leggi(B::con_generale({})));
  EXPECT_EQ(b.cl(197).pendenza, 100);
  EXPECT_EQ(b.cl(198).pendenza, 0);
  EXPECT_EQ(b.cl(200).pendenza, 0);
  EXPECT_EQ(b.c.profilo(9998, 1).reale, 9998.0);
}

TEST(LineReaderGeneral, CurveSideAndClassComeFromTheKeyword) {
  auto x_finale = [](const char* chiave) {
    banco_linea b;
    EXPECT_TRUE(b.leggi(B::con_generale({std::string(chiave) + ", 100, 100"})));
    return b.c.profilo(9998, 0).reale;
  };
  EXPECT_GT(x_finale("curvad3"), 0.0);
  EXPECT_LT(x_finale("curvas3"), 0.0);
  EXPECT_LT(x_finale("CurvaD3S"), 0.0);
  EXPECT_EQ(x_finale("curvad31"), x_finale("curvad1"));
}

}  // namespace
