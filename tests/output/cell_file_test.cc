#include "output/cell_file.h"

#include <gtest/gtest.h>

#include "output/hex.h"

using namespace compila;

namespace {

TEST(CellFile, EveryFieldInOrder) {
  cella x;
  x.tipo_cella = tipo::segnale;
  x.dato_1 = 21;
  x.dato_2 = -1;
  x.dato_3 = 0x1234;
  x.dato_4 = -32768;
  x.tempo = 7;
  x.avvicinamento = 64;
  x.montagna = 2;
  x.limite = 40;
  x.pendenza = 106;
  x.aderenza = 255;
  EXPECT_EQ(esadecimale(codifica_celle({x})),
            "01 15 00 FF FF 34 12 00 80 07 40 02 28 6A FF");
}

TEST(CellFile, CellKStartsAtByte15K) {
  array_celle celle(4521);
  celle[1].dato_1 = 5121;
  celle[1].dato_2 = 2164;
  celle[877].tipo_cella = tipo::segnale;
  const std::string out = codifica_celle(celle);
  ASSERT_EQ(out.size(), 67815u);
  EXPECT_EQ(esadecimale(out.substr(15, 15)), "00 01 14 74 08 00 00 00 00 00 00 00 00 00 00");
  EXPECT_EQ(out[13155], '\x01');
  EXPECT_EQ(out.substr(0, 15), std::string(15, '\0'));
}

TEST(CellFile, NoCellsNoBytes) { EXPECT_EQ(codifica_celle({}), ""); }

// Decoding: the file read back.

TEST(CellFileDecoding, RoundTripOfEveryField) {
  array_celle celle(4521);
  celle[1].dato_1 = 5121;
  celle[1].dato_2 = 2164;
  celle[877] = {tipo::segnale, 40, 10, 0, 6, 0, 0, 0, 40, 100, 100};
  celle[4520] = {255, -32768, 32767, -1, 1, 255, 84, 3, 255, 0, 85};
  array_celle letti;
  std::string err;
  ASSERT_TRUE(decodifica_celle(codifica_celle(celle), &letti, &err)) << err;
  EXPECT_EQ(letti, celle);
}

TEST(CellFileDecoding, EmptyFile) {
  array_celle celle(2);
  std::string err;
  EXPECT_FALSE(decodifica_celle("", &celle, &err));
  EXPECT_EQ(err, "empty: a cell file holds at least one 15-byte cell");
  EXPECT_EQ(celle.size(), 2u);
}

TEST(CellFileDecoding, SizeNotAWholeNumberOfCells) {
  array_celle celle;
  std::string err;
  EXPECT_FALSE(decodifica_celle(codifica_celle(array_celle(3)) + "x", &celle, &err));
  EXPECT_EQ(err, "a size of 46 bytes is not a whole number of 15-byte cells (3 cells and 1 byte over)");
  EXPECT_FALSE(decodifica_celle(std::string(14, '\0'), &celle, &err));
  EXPECT_EQ(err, "a size of 14 bytes is not a whole number of 15-byte cells (0 cells and 14 bytes over)");
  EXPECT_TRUE(celle.empty());
}

}  // namespace
