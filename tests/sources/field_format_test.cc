#include "sources/field_format.h"

#include <gtest/gtest.h>

using namespace compila;

TEST(FieldFormat, FixedBlanksBeforeAValue) {
  EXPECT_EQ(dopo_blank(3, -6), ",   -6");
  EXPECT_EQ(dopo_blank(2, ""), ",  ");
}

TEST(FieldFormat, ColumnsRightAlignAndNeverCutAValue) {
  EXPECT_EQ(in_colonna(8, 43800), ",   43800");
  EXPECT_EQ(in_colonna(1, 0), ",0");
  EXPECT_EQ(in_colonna(2, 180), ",180");
}
