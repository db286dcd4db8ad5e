#include "textio/text_writer.h"

#include <gtest/gtest.h>

#include "textio/windows1252.h"

using namespace compila;

TEST(TextWriter, EveryLineEndsWithCrLfInOrder) {
  EXPECT_EQ(testo_windows1252({"[generale]", "", "b"}), "[generale]\r\n\r\nb\r\n");
  EXPECT_EQ(testo_windows1252({}), "");
}

TEST(Windows1252, ItalianLettersAndReplacement) {
  EXPECT_EQ(in_windows1252("città è più"), "citt\xE0 \xE8 pi\xF9");
  EXPECT_EQ(in_windows1252("€ – “x”"), "\x80 \x96 \x93x\x94");
  // Outside the code page, and broken UTF-8, become "?".
  EXPECT_EQ(in_windows1252("a\u4E2Db"), "a?b");
  EXPECT_EQ(in_windows1252("a\xC3"), "a?");
  EXPECT_EQ(in_windows1252("\xFF" "z"), "?z");
}

TEST(Windows1252, RoundTrip) {
  std::string tutti;
  for (int b = 1; b < 256; ++b)
    if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) tutti += static_cast<char>(b);
  EXPECT_EQ(in_windows1252(da_windows1252(tutti)), tutti);
}
