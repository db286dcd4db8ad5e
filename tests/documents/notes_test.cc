#include "documents/notes.h"

#include <algorithm>
#include <gtest/gtest.h>

#include "document_lines.h"
#include "textio/text_writer.h"

using namespace compila;

namespace {

const std::vector<std::string>& note() {
  static const std::vector<std::string> righe = righe_note();
  return righe;
}

const std::string& riga(int n) { return note().at(n - 1); }

const int lunghezze[] = {25, 0, 296, 190, 0, 27, 0, 138, 0, 14, 0, 164, 168, 72, 0, 58, 0, 50, 2};

}  // namespace

TEST(Notes, NineteenLinesEachWrittenWhole) {
  ASSERT_EQ(note().size(), 19u);
  for (int n = 1; n <= 19; ++n) EXPECT_EQ(caratteri(riga(n)), lunghezze[n - 1]) << "line " << n;
}

TEST(Notes, BlanksThatAreEasyToLose) {
  ASSERT_EQ(note().size(), 19u);
  EXPECT_EQ(riga(1), "Tratto Verona - Bologna :");
  EXPECT_NE(riga(3).find("Isola della Scala  poi si prosegue"), std::string::npos);
  EXPECT_EQ(riga(6), "Tratto Bologna - Firenze : ");
  EXPECT_EQ(riga(10), "Note  comuni :");
  EXPECT_EQ(riga(14), "mentre nella tratta Verona Bologna non ci sono variazioni significative.");
  EXPECT_EQ(riga(16), "Buon viaggio.   ( seguiranno altre linee da e per Verona )");
  EXPECT_EQ(riga(19), "  ");
}

TEST(Notes, ContactLineIsFiftyCharactersWithAnExampleAddress) {
  ASSERT_EQ(note().size(), 19u);
  EXPECT_EQ(riga(18).size(), 50u);
  EXPECT_EQ(caratteri(riga(18)), 50);
  EXPECT_TRUE(riga(18).ends_with("@example.org")) << riga(18);
}

TEST(Notes, Windows1252BytesWithCrLfAfterEveryLine) {
  const std::string byte = testo_windows1252(note());
  int attesi = 0;
  for (int n : lunghezze) attesi += n + 2;
  EXPECT_EQ(byte.size(), static_cast<size_t>(attesi));
  EXPECT_TRUE(byte.starts_with("Tratto Verona - Bologna :\r\n\r\nIl doppio binario \xE8 tra"));
  EXPECT_TRUE(byte.ends_with(".org\r\n  \r\n"));
  EXPECT_NE(byte.find("consentire velocit\xE0 pi\xF9 elevate.\r\n"), std::string::npos);
  EXPECT_NE(byte.find("perch\xE8 troppo vicine"), std::string::npos);

  EXPECT_EQ(std::count(byte.begin(), byte.end(), '\xE0'), 6);  // à
  EXPECT_EQ(std::count(byte.begin(), byte.end(), '\xE8'), 6);  // è
  EXPECT_EQ(std::count(byte.begin(), byte.end(), '\xF9'), 1);  // ù
  EXPECT_EQ(std::count(byte.begin(), byte.end(), '\r'), 19);
  EXPECT_EQ(std::count(byte.begin(), byte.end(), '\n'), 19);
  for (unsigned char c : byte)
    EXPECT_TRUE(c < 0x80 || c == 0xE0 || c == 0xE8 || c == 0xF9) << std::hex << int(c);
}
