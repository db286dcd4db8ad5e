#include "documents/slowdown_order.h"

#include <gtest/gtest.h>

#include "document_lines.h"
#include "textio/text_writer.h"

using namespace compila;

namespace {

const std::vector<std::string>& ordine() {
  static const std::vector<std::string> righe = righe_rallentamenti();
  return righe;
}

const std::string& riga(int n) { return ordine().at(n - 1); }

const std::string riga_vuota =
    " |   |                            |            |          |         |            |";
const std::string filetto =
    " |___|____________________________|____________|__________|_________|____________|";

}  // namespace

TEST(SlowdownOrder, FortySixLinesFromAnEmptyLineToTheLegend) {
  ASSERT_EQ(ordine().size(), 46u);
  const std::string byte = testo_windows1252(ordine());
  EXPECT_EQ(byte.substr(0, 2), "\r\n");
  const std::string ultima = "     i giorni esclusi i seguenti:.........\r\n";
  EXPECT_EQ(byte.substr(byte.size() - ultima.size()), ultima);
}

TEST(SlowdownOrder, EveryLineHasItsLength) {
  ASSERT_EQ(ordine().size(), 46u);
  std::vector<size_t> attese = {0, 42, 50, 81, 36, 0, 81, 81};
  attese.resize(39, 82);  // the table, lines 9 to 39
  for (size_t n : {0, 37, 63, 42, 49, 58, 42}) attese.push_back(n);
  for (int n = 1; n <= 46; ++n) EXPECT_EQ(riga(n).size(), attese[n - 1]) << "line " << n;
}

TEST(SlowdownOrder, TableLinesShareTheirBarColumns) {
  ASSERT_EQ(ordine().size(), 46u);
  const std::vector<int> barre = {2, 6, 35, 48, 59, 69, 82};
  for (int n = 9; n <= 39; ++n) EXPECT_EQ(colonne_barre(riga(n)), barre) << "line " << n;
}

TEST(SlowdownOrder, HeadingAndTableHead) {
  ASSERT_EQ(ordine().size(), 46u);
  EXPECT_EQ(riga(2), "                               Modulo M. 3");
  EXPECT_EQ(riga(3), "                           ORDINE DI RALLENTAMENTO");
  EXPECT_EQ(riga(4), " " + std::string(80, '_'));
  EXPECT_EQ(riga(5), "  Linea  VERONA P.N   FIRENZE S.M.N.");
  EXPECT_EQ(riga(6), "");
  EXPECT_EQ(riga(7), "  Si ordina al macchinista del treno EC 85 di effettuare i seguenti rallentamenti");
  EXPECT_EQ(riga(8), "  " + std::string(79, '_'));
  EXPECT_EQ(riga(9), " |   |                            |Inizio dopo |          |         |            |");
  EXPECT_EQ(riga(10), " | N.|      FRA LE STAZIONI       | il cippo   | Velocita'|Lunghezza|Prescrizioni|");
  EXPECT_EQ(riga(11), " |   |   (o nelle Stazioni di)    |chilometrico|          |   metri | specifiche |");
  EXPECT_EQ(riga(12), filetto);
}

TEST(SlowdownOrder, TwoEntriesBetweenBlankRowsAndTheClosingRule) {
  ASSERT_EQ(ordine().size(), 46u);
  EXPECT_EQ(riga(13), riga_vuota);
  EXPECT_EQ(riga(14), " | 1 | S.GIOVANNI - TAVARNELLE    | 97.000     |   40     |  400    |            |");
  EXPECT_EQ(riga(15), " | 2 | PRATO - CALENZANO          | 10.000     |   50     |  500    |            |");
  for (int n = 16; n <= 38; ++n) EXPECT_EQ(riga(n), riga_vuota) << "line " << n;
  EXPECT_EQ(riga(39), filetto);
}

TEST(SlowdownOrder, LegendKeepsTheOrderABDC) {
  ASSERT_EQ(ordine().size(), 46u);
  const std::vector<std::string> legenda = {
      "",
      "              Prescrizioni specifiche",
      " A - Da rispettare con tutto il treno (per i treni viaggiatori)",
      " B - Interessa anche la stazione di.......",
      " D - Rallentamneto N. ... e N. ...  sono contigui",
      " C - Da rispettare dalle ore ....  alle ore ..... di tutti",
      "     i giorni esclusi i seguenti:.........",
  };
  EXPECT_EQ(righe_da_a(ordine(), 40, 46), legenda);
}
