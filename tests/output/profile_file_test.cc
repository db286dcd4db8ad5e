#include "output/profile_file.h"

#include <gtest/gtest.h>

#include "output/esadecimale.h"

namespace {

// Filled as the line reader fills it: integers in metres 0 and 1, doubles up
// to N - 2 (here x = m, y = -m / 2), the last two metres empty.
profilo_linea come_il_lettore(int32_t n) {
  profilo_linea p(n);
  p(0, 0) = elemento_profilo::da_intero(0);
  p(1, 0) = elemento_profilo::da_intero(0);
  p(0, 1) = elemento_profilo::da_intero(0);
  p(1, 1) = elemento_profilo::da_intero(1);
  for (int32_t m = 2; m <= n - 2; ++m) {
    p(m, 0) = elemento_profilo::da_reale(m);
    p(m, 1) = elemento_profilo::da_reale(-m / 2.0);
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
  p(0, 0) = elemento_profilo::da_intero(-300);
  EXPECT_EQ(esadecimale(codifica_profilo(p)), "02 00 D4 FE 00 00");
}

TEST(ProfileFile, NoDrawingNoBytes) { EXPECT_EQ(codifica_profilo(profilo_linea{}), ""); }

}  // namespace
