#include "output/table_file.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string_view>

#include "output/hex.h"

using namespace compila;

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

// Decoding: the file read back.

std::string decodifica_errore(std::string_view byte) {
  tabella_scenario t = con_nomi();
  std::string err;
  EXPECT_FALSE(decodifica_tabella(byte, &t, &err));
  EXPECT_EQ(t, con_nomi()) << "a refused file leaves the table as it was";
  return err;
}

TEST(TableFileDecoding, RoundTripOfEveryFieldAndText) {
  tabella_scenario t = con_nomi();
  t[1] = {8, -700, 700, 0, 1, "VERONA  P. N.", 4, 1, 2, 1, 1, 0, 1, 0, 0, 18000};
  t[80].testo = "(BIVIO  S. LUCIA)(Km .111.400    )";
  t[79].testo = "Città è";  // Windows-1252 letters come back as they were
  t[2].valore_1 = -2147483647 - 1;
  t[2].intero_5 = -32768;
  t[2].byte_4 = 255;
  tabella_scenario letta{};
  std::string err;
  ASSERT_TRUE(decodifica_tabella(codifica_tabella(t), &letta, &err)) << err;
  EXPECT_EQ(letta, t);
}

TEST(TableFileDecoding, EmptyFile) {
  EXPECT_EQ(decodifica_errore(""),
            "empty: a scenario table holds 87 records of at least 34 bytes each");
}

TEST(TableFileDecoding, FileEndsInsideARecordsFixedFields) {
  const std::string intero = codifica_tabella(tabella_scenario{});
  EXPECT_EQ(decodifica_errore(intero.substr(0, 34 * 12 + 10)),
            "record 12 (from byte 408) is cut short: the 418-byte file ends 6 bytes too soon");
  EXPECT_EQ(decodifica_errore(intero.substr(0, intero.size() - 1)),
            "record 86 (from byte 2924) is cut short: the 2957-byte file ends 1 byte too soon");
}

TEST(TableFileDecoding, TextLengthPastTheEnd) {
  std::string byte = codifica_tabella(tabella_scenario{});
  byte[85 * 34 + 14] = '\x40';  // record 85 claims a text of 64 bytes
  EXPECT_EQ(decodifica_errore(byte.substr(0, 86 * 34)),
            "record 85 (from byte 2890) has a text of 64 bytes that runs past the end of the "
            "2924-byte file");
}

TEST(TableFileDecoding, BytesAfterRecord86) {
  EXPECT_EQ(decodifica_errore(codifica_tabella(tabella_scenario{}) + "xyz"),
            "3 bytes follow record 86, which ends at byte 2958 of 2961");
}

TEST(TableFileDecoding, EveryTruncationIsRefused) {
  const std::string intero = codifica_tabella(con_nomi());
  for (size_t n = 0; n < intero.size(); ++n) {
    tabella_scenario t{};
    std::string err;
    EXPECT_FALSE(decodifica_tabella(std::string_view(intero).substr(0, n), &t, &err)) << n;
  }
}

}  // namespace
