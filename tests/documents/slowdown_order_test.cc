#include "documents/slowdown_order.h"

#include <gtest/gtest.h>

#include "document_lines.h"
#include "golden_documents.h"
#include "textio/text_writer.h"

using namespace compila;

namespace {

const std::vector<std::string>& ordine() {
  static const std::vector<std::string> righe = righe_rallentamenti();
  return righe;
}

const std::string& riga(int n) { return ordine().at(n - 1); }

}  // namespace

// The order as the driver gets it, documents/golden/rallentamenti.txt.
TEST(SlowdownOrder, BytesMatchTheGoldenFile) {
  EXPECT_EQ(testo_windows1252(ordine()), atteso_rallentamenti);
}

TEST(SlowdownOrder, TableLinesShareTheirBarColumns) {
  ASSERT_EQ(ordine().size(), 46u);
  const std::vector<int> barre = {2, 6, 35, 48, 59, 69, 82};
  for (int n = 9; n <= 39; ++n) EXPECT_EQ(colonne_barre(riga(n)), barre) << "line " << n;
}
