#include "output/table_file.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "output/esadecimale.h"

namespace {

tabella_scenario con_nomi() {
  tabella_scenario t{};
  t[voce::linea].testo = "Verona _Firenze  ";
  t[voce::linea].intero_1 = 610;
  t[voce::linea].valore_4 = 28957;
  t[voce::treno].testo = " EC 85";
  return t;
}

TEST(TableFile, ClearRecordIs34ZeroBytes) {
  const std::string out = codifica_tabella(tabella_scenario{});
  ASSERT_EQ(out.size(), 87u * 34);
  EXPECT_EQ(out, std::string(87 * 34, '\0'));
}

TEST(TableFile, EveryFieldInOrder) {
  tabella_scenario t{};
  voce_scenario& v = t[0];
  v.tipo = 3;
  v.valore_1 = 1;
  v.valore_2 = -1;
  v.valore_3 = 219000;
  v.marca = 9;
  v.testo = "Prato";
  v.intero_1 = 1;
  v.intero_2 = -2;
  v.intero_3 = 300;
  v.intero_4 = 32767;
  v.intero_5 = -32768;
  v.byte_1 = 1;
  v.byte_2 = 2;
  v.byte_3 = 3;
  v.byte_4 = 255;
  v.valore_4 = 86400;
  const std::string out = codifica_tabella(t);
  ASSERT_EQ(out.size(), 87u * 34 + 5);
  EXPECT_EQ(esadecimale(out.substr(0, 39)),
            "03 01 00 00 00 FF FF FF FF 78 57 03 00 09 05 00 50 72 61 74 6F "
            "01 00 FE FF 2C 01 FF 7F 00 80 01 02 03 FF 80 51 01 00");
  EXPECT_EQ(out.substr(39), std::string(86 * 34, '\0'));
}

TEST(TableFile, NamesAndStampsOfRecords85And86) {
  const std::string out = codifica_tabella(con_nomi());
  ASSERT_EQ(out.size(), 87u * 34 + 17 + 6);
  const size_t r85 = 85 * 34;
  EXPECT_EQ(esadecimale(out.substr(r85 + 14, 2)), "11 00");
  EXPECT_EQ(out.substr(r85 + 16, 17), "Verona _Firenze  ");
  EXPECT_EQ(esadecimale(out.substr(r85 + 16 + 17, 2)), "62 02");
  EXPECT_EQ(esadecimale(out.substr(r85 + 30 + 17, 4)), "1D 71 00 00");
  const size_t r86 = r85 + 34 + 17;
  EXPECT_EQ(esadecimale(out.substr(r86 + 14, 2)), "06 00");
  EXPECT_EQ(out.substr(r86 + 16, 6), " EC 85");
}

TEST(TableFile, TextOutsideTheCodePageIsReplacedAndCountedInBytes) {
  tabella_scenario t{};
  t[80].testo = "Stazione \u4E2D è";
  const std::string out = codifica_tabella(t);
  const size_t r80 = 80 * 34;
  EXPECT_EQ(esadecimale(out.substr(r80 + 14, 2)), "0C 00");
  EXPECT_EQ(out.substr(r80 + 16, 12), "Stazione ? \xE8");
  EXPECT_EQ(out.size(), 87u * 34 + 12);
}

TEST(TableFile, TextTooLongForItsLengthIsRefused) {
  tabella_scenario t{};
  t[80].testo = std::string(70000, 'a');
  EXPECT_THROW(codifica_tabella(t), std::length_error);
}

}  // namespace
