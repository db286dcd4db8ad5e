// Runs the inspect command, as the program runs it, over a scenario's three
// files held in memory: the reading, the checks against the table's route
// length, the three decoders and every view (the text or JSON summary, the
// CSV and the SVG).
//
// Input: one byte of flags, then what makes the files.
//   bit 0  the summary as JSON (checked to parse) instead of text
//   bit 1  with a line profile file (decoding one, at least 7001 metres of
//          drawing, takes most of a run: the other inputs go without)
//   bit 2  the files given whole: a 16-bit little-endian length and that many
//          bytes of table, the same for the cells, the rest the line profile
// Without bit 2, the files are those of a small scenario compiled once at
// start-up (every kind of feature on a 5000 m route, with its drawing), then
// edited by what follows: each edit is a byte whose bits 0-1 choose the file
// (table, cells, profile) and bits 2-3 the change (overwrite, truncate,
// insert, erase), a 24-bit little-endian offset (taken modulo the file's
// size), a byte n, and for overwrite and insert n bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <string_view>

#include "app/inspect_mode.h"
#include "app/status.h"
#include "compiler/memorizza_percorso.h"
#include "memory_file_system.h"
#include "output/cell_file.h"
#include "output/profile_file.h"
#include "output/table_file.h"

using namespace compila;

namespace {

const char* const linea_base =
    "[generale]\r\n"
    "lunghezza percorso, 5000\r\n"
    "progressiva chilometrica tre, 2500, 4000, 1\r\n"
    "progressiva chilometrica due, 0, 1000, 1\r\n"
    "sfondo uno, 1\r\n"
    "ripetizione segnali 4 codici, 1000, 4000\r\n"
    "[curve]\r\n"
    "curvad3, 500, 300\r\n"
    "curvas2, 2000, 400\r\n"
    "pendenza, 0, 5\r\n"
    "pendenza, 2000, -7\r\n"
    "montagna, 1000, 1500, 1\r\n"
    "montagna, 4200, 4400, 2\r\n"
    "indicatori_vmax, 1650, 75, 80, 90, 2, 60, 70, 80, 1\r\n"
    "cartello_indicatore, 2600, (A)\r\n"
    "[fine]\r\n";

const char* const treno_base =
    "[generale]\r\n"
    "percentuale massa frenata, 120\r\n"
    "numero vetture, 13\r\n"
    "sabbia, 200\r\n"
    "orologio, 8, 30, 0\r\n"
    "velocita, 0, 30\r\n"
    "velocita, 200, 100\r\n"
    "aderenza, 0, 100\r\n"
    "aderenza, 3000, 80\r\n"
    "stazione, 1000, 12, 400, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 30, 0, ALFA\r\n"
    "stazione, 4000, 8, 700, 1, 6, 6, 2, 3, 4, 5, 6, 7, 8, 8, 41, 30, BETA & <C>\r\n"
    "segnale, 800, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0\r\n"
    "segnale, 3600, 1, 3, 1, 1, 0, 0, 0, 0, 0, 180\r\n"
    "rallentamento, 3200, 30, 200, 0, 1, 0\r\n"
    "abbattimento, 2300, 1\r\n"
    "abbattimento, 2350, 0\r\n"
    "[fine]\r\n";

[[noreturn]] void fallisci(const std::string& cosa) {
  std::cerr << "inspect_fuzzer: " << cosa << "\n";
  std::abort();
}

struct file_base {
  std::string tabella, celle, profilo;
};

const file_base& base() {
  static const file_base b = [] {
    compilazione c;
    c.nome_linea = "l";
    c.nome_treno = "t";
    const esito_compilazione esito = memorizza_percorso(c, 1, {linea_base, treno_base});
    if (!esito.celle_create || esito.errore_fatale != 0 || !c.stato.anomalie.empty())
      fallisci("the base scenario does not compile cleanly");
    return file_base{codifica_tabella(c.tabella), codifica_celle(c.celle),
                     codifica_profilo(c.profilo)};
  }();
  return b;
}

// Reads the input from the front, a field at a time; what is missing reads
// as 0 or as nothing.
class cursore {
 public:
  explicit cursore(std::string_view dati) : dati_(dati) {}
  bool finito() const { return dati_.empty(); }
  uint32_t intero(int byte) {
    uint32_t v = 0;
    for (int i = 0; i < byte && !dati_.empty(); ++i) {
      v |= static_cast<uint32_t>(static_cast<uint8_t>(dati_[0])) << (8 * i);
      dati_.remove_prefix(1);
    }
    return v;
  }
  std::string_view blocco(size_t n) {
    const std::string_view b = dati_.substr(0, n);
    dati_.remove_prefix(b.size());
    return b;
  }

 private:
  std::string_view dati_;
};

void modifica(cursore& in, std::string* file[3]) {
  while (!in.finito()) {
    const uint32_t scelta = in.intero(1);
    std::string& f = *file[(scelta & 3) % 3];
    const size_t dove = f.empty() ? 0 : in.intero(3) % f.size();
    const size_t n = in.intero(1);
    switch ((scelta >> 2) & 3) {
      case 0: {
        const std::string_view b = in.blocco(n);
        f.replace(dove, std::min(b.size(), f.size() - dove), b);
        break;
      }
      case 1: f.resize(dove); break;
      case 2: f.insert(dove, in.blocco(n)); break;
      case 3: f.erase(dove, n); break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  cursore in(std::string_view(reinterpret_cast<const char*>(dati), dimensione));
  const uint32_t opzioni = in.intero(1);

  std::string tabella, celle, profilo;
  if (opzioni & 4) {
    tabella = in.blocco(in.intero(2));
    celle = in.blocco(in.intero(2));
    profilo = in.blocco(dimensione);
  } else {
    tabella = base().tabella;
    celle = base().celle;
    if (opzioni & 2) profilo = base().profilo;
    std::string* file[3] = {&tabella, &celle, &profilo};
    modifica(in, file);
  }

  memory_file_system fs;
  fs.directory = {"/d", "/o"};
  fs.file["/d/l_t.sim"] = std::move(tabella);
  fs.file["/d/l_t.dat"] = std::move(celle);
  if (opzioni & 2) fs.file["/d/l_linea.dat"] = std::move(profilo);

  opzioni_inspect o;
  o.directory = "/d";
  o.nome_linea = "l";
  o.nome_treno = "t";
  o.json = opzioni & 1;
  o.csv = "/o/celle.csv";
  o.svg = "/o/linea.svg";
  std::ostringstream out, err;
  const int esito = esegui_inspect(o, fs, out, err);

  if (esito == esito_errore_file) {
    const std::string e = err.str();
    if (out.tellp() != 0 || e.empty() || e.find('\n') != e.size() - 1)
      fallisci("a refused file must give one line on the error stream and no summary: " + e);
    return 0;
  }
  if (esito != esito_ok) fallisci("status " + std::to_string(esito) + ": " + err.str());
  if (o.json && !nlohmann::json::accept(out.str())) fallisci("the JSON summary does not parse");
  const std::string& svg = fs.file["/o/linea.svg"];
  if (!svg.starts_with("<?xml") || !svg.ends_with("</svg>\n")) fallisci("the SVG is cut short");
  if (!fs.file["/o/celle.csv"].starts_with("cell,start_m,")) fallisci("the CSV has no header");
  return 0;
}
