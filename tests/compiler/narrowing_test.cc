#include "compiler/narrowing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "textio/field_reader.h"

using namespace compila;

namespace {

std::string errore(auto converti) {
  try {
    converti();
  } catch (const errore_lettura& e) {
    return e.what();
  }
  return "no failure";
}

}  // namespace

TEST(CheckedNarrowing, ByteTakesZeroTo255AndRefusesOneOutsideEitherEnd) {
  EXPECT_EQ(in_byte(0, "x"), 0);
  EXPECT_EQ(in_byte(255, "x"), 255);
  EXPECT_EQ(errore([] { in_byte(-1, "aderenza"); }), "-1 is out of range for aderenza, which holds 0 to 255");
  EXPECT_EQ(errore([] { in_byte(256, "aderenza"); }), "256 is out of range for aderenza, which holds 0 to 255");
}

TEST(CheckedNarrowing, Int16TakesItsWholeRangeAndRefusesOneOutsideEitherEnd) {
  EXPECT_EQ(in_int16(-32768, "x"), std::numeric_limits<int16_t>::min());
  EXPECT_EQ(in_int16(32767, "x"), std::numeric_limits<int16_t>::max());
  EXPECT_EQ(errore([] { in_int16(-32769, "sabbia"); }),
            "-32769 is out of range for sabbia, which holds -32768 to 32767");
  EXPECT_EQ(errore([] { in_int16(32768, "sabbia"); }), "32768 is out of range for sabbia, which holds -32768 to 32767");
}

TEST(CheckedNarrowing, Int32TakesItsWholeRangeAndRefusesOneOutsideEitherEnd) {
  EXPECT_EQ(in_int32(int64_t{-2147483648}, "x"), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(in_int32(2147483647, "x"), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(errore([] { in_int32(-2147483649LL, "t"); }),
            "-2147483649 is out of range for t, which holds -2147483648 to 2147483647");
  EXPECT_EQ(errore([] { in_int32(2147483648LL, "t"); }), "2147483648 is out of range for t, which holds -2147483648 to 2147483647");
}
