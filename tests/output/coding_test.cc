#include "output/coding.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

#include "output/hex.h"

using namespace compila;

namespace {

template <typename F>
std::string codificato(F aggiungi) {
  std::string out;
  aggiungi(&out);
  return esadecimale(out);
}

TEST(Coding, IntegersAreLittleEndianTwosComplement) {
  EXPECT_EQ(codificato([](std::string* o) { aggiungi_int16(o, 610); }), "62 02");
  EXPECT_EQ(codificato([](std::string* o) { aggiungi_int16(o, -2); }), "FE FF");
  EXPECT_EQ(codificato([](std::string* o) { aggiungi_int16(o, INT16_MIN); }), "00 80");
  EXPECT_EQ(codificato([](std::string* o) { aggiungi_fisso16(o, 65535); }), "FF FF");
  EXPECT_EQ(codificato([](std::string* o) { aggiungi_int32(o, 28957); }), "1D 71 00 00");
  EXPECT_EQ(codificato([](std::string* o) { aggiungi_int32(o, -219000); }), "88 A8 FC FF");
  EXPECT_EQ(codificato([](std::string* o) { aggiungi_int32(o, INT32_MIN); }), "00 00 00 80");
  EXPECT_EQ(codificato([](std::string* o) { aggiungi_fisso32(o, 0x01020304u); }), "04 03 02 01");
  EXPECT_EQ(codificato([](std::string* o) { aggiungi_byte(o, 255); }), "FF");
}

TEST(Coding, DoubleIsItsIeeeBitPattern) {
  EXPECT_EQ(codificato([](std::string* o) { aggiungi_double(o, 1.0); }), "00 00 00 00 00 00 F0 3F");
  EXPECT_EQ(codificato([](std::string* o) { aggiungi_double(o, -2.5); }), "00 00 00 00 00 00 04 C0");
  EXPECT_EQ(codificato([](std::string* o) { aggiungi_double(o, 0.1); }), "9A 99 99 99 99 99 B9 3F");
  EXPECT_EQ(codificato([](std::string* o) { aggiungi_double(o, -0.0); }), "00 00 00 00 00 00 00 80");
}

TEST(Coding, TextIsLengthThenWindows1252Bytes) {
  EXPECT_EQ(codificato([](std::string* o) { aggiungi_testo(o, ""); }), "00 00");
  EXPECT_EQ(codificato([](std::string* o) { aggiungi_testo(o, " EC 85"); }), "06 00 20 45 43 20 38 35");
  // The length counts the bytes written, not the UTF-8 bytes held.
  EXPECT_EQ(codificato([](std::string* o) { aggiungi_testo(o, "città"); }), "05 00 63 69 74 74 E0");
  EXPECT_EQ(codificato([](std::string* o) { aggiungi_testo(o, "a\u4E2Db"); }), "03 00 61 3F 62");
}

TEST(Coding, TextLongerThanItsLengthFieldIsRefused) {
  std::string out = "x";
  EXPECT_NO_THROW(aggiungi_testo(&out, std::string(65535, 'a')));
  EXPECT_EQ(out.size(), 1u + 2 + 65535);
  EXPECT_THROW(aggiungi_testo(&out, std::string(65536, 'a')), std::length_error);
}

}  // namespace

TEST(Coding, SizeCheckPassesTheLayoutsSizeAndNamesTheFileOtherwise) {
  EXPECT_NO_THROW(verifica_dimensione("the cell file", 30, 30));
  try {
    verifica_dimensione("the cell file", 29, 30);
    FAIL() << "a wrong size passed";
  } catch (const std::logic_error& e) {
    EXPECT_STREQ(e.what(), "the cell file encoded as 29 bytes instead of 30");
  }
}
