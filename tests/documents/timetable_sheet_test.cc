#include "documents/timetable_sheet.h"

#include <gtest/gtest.h>

#include "document_lines.h"
#include "golden_documents.h"
#include "textio/text_writer.h"

using namespace compila;

namespace {

const std::vector<std::string>& scheda() {
  static const std::vector<std::string> righe = righe_scheda_treno();
  return righe;
}

const std::string& riga(int n) { return scheda().at(n - 1); }

// The running tables, column heads to closing rule, of the four pages.
const int tabelle[][2] = {{14, 48}, {65, 99}, {115, 149}, {165, 199}};

}  // namespace

// The sheet as the driver gets it, documents/golden/scheda_treno.txt.
TEST(TimetableSheet, BytesMatchTheGoldenFile) {
  EXPECT_EQ(testo_windows1252(scheda()), atteso_scheda_treno);
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
