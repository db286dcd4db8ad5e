#include "textio/field_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace compila;

TEST(FieldReader, TextKeepsInnerBlanksAndEndsAtCommaOrLineEnd) {
  lettore_campi r("stazione,   0, VERONA  P. N.\r\n[fine]\r\n");
  EXPECT_EQ(r.leggi_testo(), "stazione");
  EXPECT_EQ(r.leggi_numero(), 0);
  EXPECT_EQ(r.leggi_testo(), "VERONA  P. N.");
  EXPECT_FALSE(r.fine());
  EXPECT_EQ(r.leggi_testo(), "[fine]");
  EXPECT_EQ(r.riga(), 2);
  EXPECT_TRUE(r.fine());
}

TEST(FieldReader, NumbersSeparatedByBlanksAreSeparateFields) {
  lettore_campi r("orologio,    15              12            45 \r\nx\r\n");
  EXPECT_EQ(r.leggi_testo(), "orologio");
  EXPECT_EQ(r.leggi_numero(), 15);
  EXPECT_EQ(r.leggi_numero(), 12);
  EXPECT_EQ(r.leggi_numero(), 45);
  // The trailing blank and the line end belonged to the 45.
  EXPECT_EQ(r.leggi_testo(), "x");
  EXPECT_EQ(r.riga(), 2);
}

TEST(FieldReader, BlanksThenCommaAreOneDelimiter) {
  lettore_campi r("45 ,7,-3\r\n");
  EXPECT_EQ(r.leggi_numero(), 45);
  EXPECT_EQ(r.leggi_numero(), 7);
  EXPECT_EQ(r.leggi_numero(), -3);
  EXPECT_TRUE(r.fine());
}

TEST(FieldReader, EmptyFieldsReadAsZeroAndEmptyLineIsOneField) {
  lettore_campi r(",   ,\r\n\r\nz");
  EXPECT_EQ(r.leggi_numero(), 0);
  EXPECT_EQ(r.leggi_numero(), 0);
  EXPECT_EQ(r.leggi_numero(), 0);  // the empty field before the first line end
  EXPECT_EQ(r.leggi_testo(), "");  // the empty line
  EXPECT_EQ(r.leggi_testo(), "z");
  EXPECT_TRUE(r.fine());
}

TEST(FieldReader, FailuresOfTheReading) {
  for (const char* campo : {"12a", "-", "+5", "1.5", "2147483648", "-2147483649", "abc"}) {
    lettore_campi r(campo);
    EXPECT_THROW(r.leggi_numero(), errore_lettura) << campo;
  }
  lettore_campi estremi("2147483647,-2147483648");
  EXPECT_EQ(estremi.leggi_numero(), 2147483647);
  EXPECT_EQ(estremi.leggi_numero(), -2147483647 - 1);

  lettore_campi vuoto("a\r\n");
  vuoto.leggi_testo();
  EXPECT_THROW(vuoto.leggi_testo(), errore_lettura);
  EXPECT_THROW(vuoto.leggi_numero(), errore_lettura);
}

// A message quotes a field as its author can read it: what does not show is
// escaped, a long field cut.
TEST(FieldReader, FailureMessagesQuoteTheFieldReadably) {
  const std::string regola = "a numeric field holds digits only, with an optional leading \"-\"";
  const std::string limiti = "numbers lie between -2147483648 and 2147483647";
  const std::pair<std::string, std::string> casi[] = {
      {"219000\x01", "\"219000\\x01\" is not a whole number: it holds the character \\x01, "
                     "which does not show; " + regola},
      {"21\xa0" "9", "\"21\\xa09\" is not a whole number: it holds the character \\xa0, which "
                     "does not show; " + regola},
      {"caf\xe9", "\"caf\xc3\xa9\" is not a whole number: " + regola},
      {"\x7f\x81\x8d\x8f\x90\x9d", "\"\\x7f\\x81\\x8d\\x8f\\x90\\x9d\" is not a whole number: it "
                                 "holds the character \\x7f, which does not show; " + regola},
      {std::string(50, '7'), "\"" + std::string(40, '7') + "...\" (50 characters) is too large: " +
                                 limiti},
      {"2147483648", "\"2147483648\" is too large: " + limiti},
  };
  for (const auto& [campo, messaggio] : casi) {
    lettore_campi r(campo);
    try {
      r.leggi_numero();
      ADD_FAILURE() << campo;
    } catch (const errore_lettura& e) {
      EXPECT_EQ(e.what(), messaggio);
    }
  }
}
