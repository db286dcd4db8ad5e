// Compiles a line description and a train description fully in memory: both
// readers, placement, completion, stamping, then the three encoders.
//
// Input: the line description, a NUL byte, the train description. A second
// NUL byte may follow with one byte of flags: bit 0 is j, bit 1 leaves the
// line description file out, bit 2 the train description file, bit 3 encodes
// the line drawing too. Without the flags j is 0: the line drawing, metre by
// metre and by far the slowest part of a compile (its encoding as much
// again), is built only for the inputs that ask for it. Input without a NUL
// is a line description with an empty train description.
//
// The mutator (source_mutator.h) edits the descriptions by lines and fields.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "compiler/compile_state.h"
#include "compiler/memorizza_percorso.h"
#include "compiler/scenario_codes.h"
#include "output/cell_file.h"
#include "output/profile_file.h"
#include "output/table_file.h"
#include "source_mutator.h"

using namespace compila;

namespace {

struct ingresso {
  std::string_view linea;
  std::string_view treno;
  int32_t j = 0;
  bool senza_linea = false;
  bool senza_treno = false;
  bool codifica_disegno = false;
};

ingresso dividi(std::string_view dati) {
  ingresso in;
  size_t nul = dati.find('\0');
  in.linea = dati.substr(0, nul);
  if (nul == std::string_view::npos) return in;
  std::string_view resto = dati.substr(nul + 1);
  size_t nul2 = resto.find('\0');
  in.treno = resto.substr(0, nul2);
  if (nul2 != std::string_view::npos && nul2 + 1 < resto.size()) {
    const uint8_t opzioni = static_cast<uint8_t>(resto[nul2 + 1]);
    in.j = opzioni & 1;
    in.senza_linea = opzioni & 2;
    in.senza_treno = opzioni & 4;
    in.codifica_disegno = opzioni & 8;
  }
  return in;
}

[[noreturn]] void fallisci(const std::string& cosa) {
  std::cerr << "compile_fuzzer: " << cosa << "\n";
  std::abort();
}

// The encoders must produce exactly what each layout gives. A text longer than
// its 16-bit length field is the one failure they report by design.
void codifica(const compilazione& c, bool con_disegno) {
  try {
    if (con_disegno && c.con_disegno()) {
      const std::string profilo = codifica_profilo(c.profilo);
      if (profilo.size() < 4 * (c.profilo.ultimo_metro() + size_t{1}))
        fallisci("line profile file shorter than its elements");
    }
    (void)codifica_tabella(c.tabella);
  } catch (const std::length_error&) {
  }
  std::string celle = codifica_celle(c.celle);
  if (celle.size() != c.celle.size() * dimensione_cella) fallisci("cell file of the wrong size");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  const ingresso in = dividi(std::string_view(reinterpret_cast<const char*>(dati), dimensione));

  testi_sorgenti s;
  if (!in.senza_linea) s.descrizione_linea = in.linea;
  if (!in.senza_treno) s.descrizione_treno = in.treno;

  compilazione c;
  c.nome_linea = "Verona _Firenze  ";
  c.nome_treno = " EC 85";
  const esito_compilazione esito = memorizza_percorso(c, in.j, s);

  if (esito.errore_fatale != 0 && esito.errore_fatale != errore_marcatori &&
      esito.errore_fatale != errore_codici)
    fallisci("unknown fatal error " + std::to_string(esito.errore_fatale));
  if (esito.celle_create != c.celle_create()) fallisci("celle_create disagrees with the cells");
  if (c.con_disegno() != (in.j != 0 && c.celle_create()))
    fallisci("a line drawing exactly when j asks for one and there are cells");
  if (!esito.celle_create || esito.errore_fatale != 0) return 0;
  codifica(c, in.codifica_disegno);
  return 0;
}

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* dati, size_t dimensione, size_t massimo,
                                          unsigned int seme) {
  return muta_sorgenti(dati, dimensione, massimo, seme);
}
