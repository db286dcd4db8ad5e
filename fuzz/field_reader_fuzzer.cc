// Reads any bytes as a stream of fields. The first byte chooses, bit by bit
// and cyclically, whether each field is read as text or as a number.
//
// Every call must consume at least one byte or throw errore_lettura, a text
// field never holds a delimiter, and the line count never goes back.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "textio/field_reader.h"

using namespace compila;

namespace {

[[noreturn]] void fallisci(const std::string& cosa) {
  std::cerr << "field_reader_fuzzer: " << cosa << "\n";
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  if (dimensione == 0) return 0;
  const uint8_t scelte = dati[0];
  lettore_campi lettore(std::string_view(reinterpret_cast<const char*>(dati) + 1, dimensione - 1));

  int riga_precedente = 0;
  for (size_t campo = 0; campo <= dimensione; ++campo) {
    if (lettore.fine()) return 0;
    try {
      if (scelte & (1u << (campo % 8))) {
        std::string testo = lettore.leggi_testo();
        if (testo.find_first_of(",\r\n") != std::string::npos)
          fallisci("a text field holds a delimiter");
      } else {
        (void)lettore.leggi_numero();
      }
    } catch (const errore_lettura&) {
      // A field that is not a number: the reader goes on after it.
    }
    if (lettore.riga() < riga_precedente) fallisci("the line count went back");
    riga_precedente = lettore.riga();
  }
  if (!lettore.fine()) fallisci("a field read consumed nothing");
  return 0;
}
