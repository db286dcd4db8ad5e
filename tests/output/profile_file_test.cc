#include "output/profile_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

#include "output/hex.h"

using namespace compila;

namespace {

// Filled as the line reader fills it: integers in metres 0 and 1, doubles up
// to N - 2 (here x = m, y = -m / 2), the last two metres empty.
profilo_linea come_il_lettore(int32_t n) {
  profilo_linea p(n);
  p.imposta(0, 0, elemento_profilo::da_intero(0));
  p.imposta(1, 0, elemento_profilo::da_intero(0));
  p.imposta(0, 1, elemento_profilo::da_intero(0));
  p.imposta(1, 1, elemento_profilo::da_intero(1));
  for (int32_t m = 2; m <= n - 2; ++m) {
    p.imposta(m, 0, elemento_profilo::da_reale(m));
    p.imposta(m, 1, elemento_profilo::da_reale(-m / 2.0));
  }
  return p;
}

TEST(ProfileFile, RouteFileTakes20NMinus36Bytes) {
  for (int32_t n : {10, 7003, 226000}) {
    EXPECT_EQ(codifica_profilo(come_il_lettore(n)).size(), static_cast<size_t>(20 * n - 36)) << n;
  }
}

TEST(ProfileFile, XValuesThenYValuesEachTagged) {
  const std::string out = codifica_profilo(come_il_lettore(5));
  // x: 0, 0, 2.0, 3.0, empty, empty
  EXPECT_EQ(esadecimale(out.substr(0, 32)),
            "02 00 00 00 02 00 00 00 "
            "05 00 00 00 00 00 00 00 00 40 "
            "05 00 00 00 00 00 00 00 08 40 "
            "00 00 00 00");
  // y: 0, 1, -1.0, -1.5, empty, empty
  EXPECT_EQ(esadecimale(out.substr(32)),
            "02 00 00 00 02 00 01 00 "
            "05 00 00 00 00 00 00 00 F0 BF "
            "05 00 00 00 00 00 00 00 F8 BF "
            "00 00 00 00");
}

TEST(ProfileFile, NegativeIntegerElement) {
  profilo_linea p(0);
  p.imposta(0, 0, elemento_profilo::da_intero(-300));
  EXPECT_EQ(esadecimale(codifica_profilo(p)), "02 00 D4 FE 00 00");
}

// The drawing holds the file's bytes: the reader's shape is one run of
// them; a decoded drawing changed by hand (an integer made a double, which
// takes more room than the file had) and its copies stay apart and exact.
TEST(ProfileFile, DrawingHeldAsItsBytesChangedByHandAndCopied) {
  const profilo_linea compilato = come_il_lettore(7003);
  EXPECT_EQ(compilato.meta(0).data() + compilato.meta(0).size(), compilato.meta(1).data());

  const std::string file = codifica_profilo(come_il_lettore(6));
  profilo_linea letto;
  std::string err;
  ASSERT_TRUE(decodifica_profilo(file, &letto, &err)) << err;
  profilo_linea cambiato = letto;
  cambiato.imposta(0, 0, elemento_profilo::da_reale(7.5));
  cambiato.imposta(6, 1, elemento_profilo::da_reale(-1.0));
  EXPECT_EQ(cambiato(0, 0), elemento_profilo::da_reale(7.5));
  EXPECT_EQ(cambiato(3, 0), letto(3, 0));
  EXPECT_EQ(cambiato(6, 1), elemento_profilo::da_reale(-1.0));
  EXPECT_EQ(codifica_profilo(letto), file);
  const std::string nuovo = codifica_profilo(cambiato);
  EXPECT_EQ(nuovo.size(), file.size() + 6 + 8);
  EXPECT_EQ(esadecimale(nuovo.substr(0, 10)), "05 00 00 00 00 00 00 00 1E 40");
  EXPECT_EQ(nuovo.substr(10, 38), file.substr(4, 38));  // the rest of x as it was
}

TEST(ProfileFile, NoDrawingNoBytes) { EXPECT_EQ(codifica_profilo(profilo_linea{}), ""); }

// Decoding: the file read back.

std::string decodifica_errore(std::string_view byte) {
  profilo_linea p(3);
  std::string err;
  EXPECT_FALSE(decodifica_profilo(byte, &p, &err));
  EXPECT_EQ(p, profilo_linea(3)) << "a refused file leaves the drawing as it was";
  return err;
}

TEST(ProfileFileDecoding, RoundTripOfTheReadersShape) {
  for (int32_t n : {4, 7003}) {
    const profilo_linea p = come_il_lettore(n);
    profilo_linea letto;
    std::string err;
    ASSERT_TRUE(decodifica_profilo(codifica_profilo(p), &letto, &err)) << err;
    EXPECT_EQ(letto, p) << n;
  }
}

TEST(ProfileFileDecoding, RoundTripKeepsEveryTagAndExtremeValues) {
  profilo_linea p(2);
  p.imposta(0, 0, elemento_profilo::da_intero(-32768));
  p.imposta(1, 0, elemento_profilo::da_reale(-0.0));
  p.imposta(2, 1, elemento_profilo::da_reale(1e300));
  p.imposta(0, 1, elemento_profilo::da_intero(32767));
  profilo_linea letto;
  std::string err;
  ASSERT_TRUE(decodifica_profilo(codifica_profilo(p), &letto, &err)) << err;
  EXPECT_EQ(letto, p);
  EXPECT_TRUE(std::signbit(letto(1, 0).reale));
}

TEST(ProfileFileDecoding, EmptyFile) {
  EXPECT_EQ(decodifica_errore(""), "empty: a line profile holds the x and then the y of every metre");
}

TEST(ProfileFileDecoding, WrongTag) {
  EXPECT_EQ(decodifica_errore(std::string("\x00\x00\x03\x00", 4)),
            "element 1 (byte 2) has tag 3; an element is tagged 0 (empty), 2 (16-bit integer) "
            "or 5 (double)");
}

TEST(ProfileFileDecoding, ValueCutShort) {
  EXPECT_EQ(decodifica_errore(std::string("\x02\x00\x01\x00\x05\x00\x00\x00\x00", 9)),
            "element 1 (byte 4) has tag 5 and needs 8 value bytes, but the file ends after 3 bytes");
  EXPECT_EQ(decodifica_errore(std::string("\x02\x00\x01", 3)),
            "element 0 (byte 0) has tag 2 and needs 2 value bytes, but the file ends after 1 byte");
}

TEST(ProfileFileDecoding, TagCutShort) {
  EXPECT_EQ(decodifica_errore(std::string("\x00\x00\x00", 3)),
            "element 1 (byte 2) is cut short: the file ends inside its 2-byte tag");
}

TEST(ProfileFileDecoding, OddNumberOfElements) {
  EXPECT_EQ(decodifica_errore(std::string("\x00\x00\x00\x00\x00\x00", 6)),
            "3 elements, an odd count: the x and y components must be the same length");
}

TEST(ProfileFileDecoding, EveryTruncationOfAFileIsRefusedOrSplitEvenly) {
  const std::string intero = codifica_profilo(come_il_lettore(6));
  for (size_t n = 0; n < intero.size(); ++n) {
    profilo_linea p;
    std::string err;
    if (decodifica_profilo(std::string_view(intero).substr(0, n), &p, &err))
      EXPECT_EQ(codifica_profilo(p), intero.substr(0, n)) << n;  // a cut between elements
    else
      EXPECT_NE(err, "") << n;
  }
}

}  // namespace
