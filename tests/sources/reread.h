#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "textio/field_reader.h"
#include "textio/text_writer.h"

namespace compila {

// One line of a description read back as the compiler reads it: the keyword
// field, the numbers that keyword takes and, for some, a closing text field.
struct riga_letta {
  int riga = 0;
  std::string chiave;
  std::vector<int32_t> numeri;
  std::string testo;
};

// How many numbers follow a keyword, and whether a text field closes the line.
struct forma_riga {
  int numeri = 0;
  bool testo = false;
};

// Writes the lines to file bytes and reads them back field by field. The
// shape of a line is that of the first key its keyword field starts with; a
// keyword field that starts with none is a line with no values (a heading).
inline std::vector<riga_letta> rileggi(const std::vector<std::string>& righe,
                                       const std::map<std::string, forma_riga>& forme) {
  const std::string contenuto = testo_windows1252(righe);  // the reader only views it
  lettore_campi lettore(contenuto);
  std::vector<riga_letta> lette;
  while (!lettore.fine()) {
    riga_letta letta;
    letta.chiave = lettore.leggi_testo();
    letta.riga = lettore.riga();
    for (const auto& [chiave, forma] : forme) {
      if (!letta.chiave.starts_with(chiave)) continue;
      for (int i = 0; i < forma.numeri; ++i) letta.numeri.push_back(lettore.leggi_numero());
      if (forma.testo) letta.testo = lettore.leggi_testo();
      break;
    }
    lette.push_back(letta);
  }
  return lette;
}

// The lines read back whose keyword starts with `prefisso`.
inline std::vector<riga_letta> con_chiave(const std::vector<riga_letta>& lette,
                                          const std::string& prefisso) {
  std::vector<riga_letta> scelte;
  for (const riga_letta& r : lette)
    if (r.chiave.starts_with(prefisso)) scelte.push_back(r);
  return scelte;
}

}  // namespace compila
