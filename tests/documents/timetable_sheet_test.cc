#include "documents/timetable_sheet.h"

#include <gtest/gtest.h>

#include "document_lines.h"

using namespace compila;

namespace {

const std::vector<std::string>& scheda() {
  static const std::vector<std::string> righe = righe_scheda_treno();
  return righe;
}

const std::string& riga(int n) { return scheda().at(n - 1); }

const std::string riga_vuota =
    " |     |     |          |     |                            |                |     |";
const std::string filetto =
    " |_____|_____|__________|_____|____________________________|________________|_____|";
const std::string riga_destinazione =
    " |___________________|                    a: FIRENZE S.M.N.        |     130%     |";
const std::string riga_valori_classe = " |        EC         |              |      780T         |";

std::vector<std::string> testata(const std::string& titolo, const std::string& treno,
                                 const std::string& destinazione,
                                 const std::string& valori_classe) {
  return {
      "  ___________________                                               ______________",
      titolo,
      treno,
      destinazione,
      "                                                                   |______________|",
      "  ___________________                ___________________",
      " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ",
      valori_classe,
      " |___________________|              |___________________|",
      "",
      "  ________________________________________________________________________________",
      " | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |     Orario     | Rec |",
      " | Lim.|Marc.|          |  Rs |                            |                |     |",
      filetto,
  };
}

// The running tables, column heads to closing rule, of the four pages.
const int tabelle[][2] = {{14, 48}, {65, 99}, {115, 149}, {165, 199}};

}  // namespace

TEST(TimetableSheet, TwoHundredLinesFromTwoEmptyLinesToTheLastRule) {
  ASSERT_EQ(scheda().size(), 200u);
  EXPECT_EQ(riga(1), "");
  EXPECT_EQ(riga(2), "");
  EXPECT_EQ(riga(199), filetto);
  EXPECT_EQ(riga(200), "");
}

TEST(TimetableSheet, PageHeadsDifferInTitleTrainAndPage4Placeholders) {
  ASSERT_EQ(scheda().size(), 200u);
  EXPECT_EQ(righe_da_a(scheda(), 3, 16),
            testata(" |                   |                    SCHEDA 1/4               |              |",
                    " |   TRENO n. 85     |                   da: VERONA P.N.           |    V200 C    |",
                    riga_destinazione, riga_valori_classe));
  EXPECT_EQ(righe_da_a(scheda(), 54, 67),
            testata(" |                   |                    SCHEDA 2/4               |              |",
                    " |   TRENO n.EC 85   |                   da: VERONA P. N.          |    V200 C    |",
                    riga_destinazione, riga_valori_classe));
  EXPECT_EQ(righe_da_a(scheda(), 104, 117),
            testata(" |                   |                    SCHEDA 3/4               |              |",
                    " |   TRENO n.EC 85   |                   da: VERONA P.N.           |    V200 C    |",
                    riga_destinazione, riga_valori_classe));
  EXPECT_EQ(righe_da_a(scheda(), 154, 167),
            testata(" |                   |                    SCHEDA 4/4               |              |",
                    " |   TRENO n.xxxxx   |                   da: xxxxxx                |    Vxxx C    |",
                    " |___________________|                    a: xxxxxx                |     xxx%     |",
                    " |        xxx        |              |      xxxT         |"));
}

TEST(TimetableSheet, DottedFoldsBetweenPages) {
  ASSERT_EQ(scheda().size(), 200u);
  const std::vector<std::string> tra_1_e_2 = {"", "", std::string(81, '.'), "", ""};
  const std::vector<std::string> tra_pagine = {"", "", std::string(72, '.'), ""};
  EXPECT_EQ(righe_da_a(scheda(), 49, 53), tra_1_e_2);
  EXPECT_EQ(righe_da_a(scheda(), 100, 103), tra_pagine);
  EXPECT_EQ(righe_da_a(scheda(), 150, 153), tra_pagine);
}

TEST(TimetableSheet, RowsKeepTheirPrintedAlignment) {
  ASSERT_EQ(scheda().size(), 200u);
  EXPECT_EQ(riga(18), " |     |     | 114.000  |     | VERONA Porta Nuova         |          15.13 |     |");
  EXPECT_EQ(riga(20), " |  90 |  70 | 112.350  |     | Km. 112.350                |     15.15      |     |");
  EXPECT_EQ(riga(40), " | 140 |     |  32.400  |     | Km. 32.400                 |     16.06      |     |");
  EXPECT_EQ(riga(46), " |     |     |   1.800  |     | Seg. protez. Bologna C.le  |     16.31      |     |");
  EXPECT_EQ(riga(47), " |     |     |   0.000  |     | BOLOGNA C.LE               | 16.32          |     |");
  EXPECT_EQ(riga(69), " |     |     |  97.000  |     | BOLOGNA C.LE               |           16.36|     |");
  EXPECT_EQ(riga(94), " |     | 110 |  36.000  |     | VERNIO                     |      17.08     |     |");
  EXPECT_EQ(riga(98), " |     |     |  16.000  |     | PRATO                      | 17.21    17.22 |     |");
  EXPECT_EQ(riga(119), " | 130 |  90 | 15.800   |     | Km. 15.800                 |      17.25     |     |");
  EXPECT_EQ(riga(120), " |     |     | 12.000   |     | CALENZANO                  |      17.26     |");
  EXPECT_EQ(riga(126), " |     |     |  0.000   |     | FIRENZE S.M.N.             |      17.38     |     |");
  EXPECT_EQ(riga(128), " |     |     |          |     | Prosegue per Roma Termini  |                |     |");
}

TEST(TimetableSheet, EmptyRowsAndRulesWhereTheTablesPause) {
  ASSERT_EQ(scheda().size(), 200u);
  std::vector<int> vuote = {17, 68, 118, 127};
  for (int n = 129; n <= 148; ++n) vuote.push_back(n);
  for (int n = 168; n <= 198; ++n) vuote.push_back(n);
  for (int n : vuote) EXPECT_EQ(riga(n), riga_vuota) << "line " << n;
  for (int n : {16, 48, 67, 99, 117, 149, 167, 199}) EXPECT_EQ(riga(n), filetto) << "line " << n;
}

TEST(TimetableSheet, TableLinesAre83WideWithBarsInTheSameColumns) {
  ASSERT_EQ(scheda().size(), 200u);
  const std::vector<int> barre = {2, 8, 14, 25, 31, 60, 77, 83};
  const std::vector<int> senza_rec(barre.begin(), barre.end() - 1);
  for (const auto& [da, a] : tabelle) {
    for (int n = da; n <= a; ++n) {
      const bool calenzano = n == 120;  // printed without its Rec cell
      EXPECT_EQ(riga(n).size(), calenzano ? 77u : 83u) << "line " << n;
      EXPECT_EQ(colonne_barre(riga(n)), calenzano ? senza_rec : barre) << "line " << n;
    }
  }
}

TEST(TimetableSheet, PlainAsciiSoEveryCharacterIsOneByte) {
  for (const std::string& r : scheda())
    for (unsigned char c : r) EXPECT_LT(c, 0x80) << r;
}
