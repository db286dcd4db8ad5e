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
  // An overlong spelling is broken too, never the character it spells.
  EXPECT_EQ(in_windows1252("a\xC0\x80" "b"), "a?b");
  EXPECT_EQ(in_windows1252("\xE0\x80\xAF"), "?");
  EXPECT_EQ(in_windows1252("\xF0\x80\x80\x80"), "?");
}

// Every byte, the five the code page leaves undefined too.
TEST(Windows1252, RoundTrip) {
  std::string tutti;
  for (int b = 0; b < 256; ++b) tutti += static_cast<char>(b);
  EXPECT_EQ(in_windows1252(da_windows1252(tutti)), tutti);
}
