#pragma once

#include <string>

#include "textio/field_reader.h"

namespace compila {

// A failure of the reading that knows the source line it happened on, so the
// anomaly it becomes can point at that line.
class errore_sorgente : public errore_lettura {
 public:
  errore_sorgente(const std::string& causa, int riga) : errore_lettura(causa), riga_(riga) {}
  int riga() const { return riga_; }

 private:
  int riga_;
};

}  // namespace compila
