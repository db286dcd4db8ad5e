#include "documents/notes.h"

#include <gtest/gtest.h>

#include "golden_documents.h"
#include "textio/text_writer.h"

using namespace compila;

// The notes as the driver gets them: Windows-1252, CR LF after every line,
// the blanks and accented letters of documents/golden/note.txt.
TEST(Notes, BytesMatchTheGoldenFile) {
  EXPECT_EQ(testo_windows1252(righe_note()), atteso_note);
}
