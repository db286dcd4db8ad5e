#include "documents/text_table.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace compila;

TEST(TextTable, CellsBetweenBarsAtFixedWidths) {
  const tabella_testo t({3, 5});
  EXPECT_EQ(t.riga({"ab ", "  x  "}), " |ab |  x  |");
  EXPECT_EQ(t.riga({"ab "}), " |ab |");
  EXPECT_EQ(t.riga_vuota(), " |   |     |");
  EXPECT_EQ(t.filetto(), " |___|_____|");
}

TEST(TextTable, CellOfTheWrongWidthIsRefused) {
  const tabella_testo t({3, 5});
  EXPECT_THROW(t.riga({"ab", "  x  "}), std::logic_error);
  EXPECT_THROW(t.riga({"abc", "  x   "}), std::logic_error);
  EXPECT_THROW(t.riga({"abc", "  x  ", "y"}), std::logic_error);
}

TEST(TextTable, TextPlacedInsideItsCell) {
  EXPECT_EQ(casella("15.14", 16, 5), "     15.14      ");
  EXPECT_EQ(casella("", 3, 0), "   ");
  EXPECT_EQ(casella_a_destra("2.600", 10, 2), "   2.600  ");
  EXPECT_EQ(casella_a_destra("130", 5, 1), " 130 ");
  EXPECT_THROW(casella("15.14", 5, 1), std::logic_error);
  EXPECT_THROW(casella_a_destra("114.000", 8, 2), std::logic_error);
}
