// The cost of inspect's views as the files grow: the largest scenario a
// compile accepts (a 1000000 m route whose every cell holds a point feature
// and its own tunnel stretch, the most stations and sign boards, a line
// drawing of every metre), then the same 4 and 16 times longer, built in
// memory past what inspect reads from disk. Each run reads and decodes the
// files, as the command does, and makes one view; the counters give the
// files' bytes, the peak heap of the run (the view's own output held as the
// disk would be handed it) and the two's ratio. Time and peak per file byte
// stay flat across the sizes: every view is linear in its input.
#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <sstream>
#include <ostream>
#include <streambuf>
#include <string>

#include "app/inspect_mode.h"
#include "model/compiled_scenario.h"
#include "output/cell_file.h"
#include "output/profile_file.h"
#include "output/table_file.h"
#include "peak_memory.h"

using namespace compila;

namespace {

// Files handed over whole; what is written is only counted, as the disk
// takes it from the view's own buffer.
class file_in_memoria : public file_system {
 public:
  std::map<std::string, std::string> file;
  size_t scritti = 0;

  bool esiste(const std::string& p) override { return file.count(p) > 0; }
  bool e_directory(const std::string& p) override { return p == "d"; }
  bool leggi(const std::string& p, std::string* contenuto, std::string*) override {
    *contenuto = file.at(p);
    return true;
  }
  bool sostituisci(const std::string&, std::string_view contenuto, std::string*) override {
    scritti += contenuto.size();
    return true;
  }
  bool stesso_file(const std::string&, const std::string&) override { return false; }
  bool elimina(const std::string&, std::string*) override { return true; }
};

// Counts what the summary writes and keeps none of it.
class conta_byte : public std::streambuf {
 public:
  size_t n = 0;

 protected:
  int overflow(int c) override {
    ++n;
    return c;
  }
  std::streamsize xsputn(const char*, std::streamsize k) override {
    n += static_cast<size_t>(k);
    return k;
  }
};

// Every kind of point feature in turn, each cell in a tunnel stretch of its
// own, speeds and gradients changing.
cella cella_piena(size_t k) {
  static constexpr uint8_t tipi[] = {tipo::segnale,          tipo::avviso_rallentamento,
                                     tipo::approccio_avviso, tipo::inizio_rallentamento,
                                     tipo::fine_rallentamento, tipo::indicatori_v_max,
                                     tipo::fermata,          tipo::cambio_codice,
                                     tipo::cambio_codice_senza_valore, tipo::cartello};
  cella c;
  c.tipo_cella = tipi[k % std::size(tipi)];
  c.dato_1 = static_cast<int16_t>(c.tipo_cella == tipo::fermata ? 1 + k % 40
                                  : c.tipo_cella == tipo::cartello ? 80 - k % 40
                                                                   : 1500 + k % 300);
  c.dato_2 = static_cast<int16_t>(k % 7);
  c.dato_3 = static_cast<int16_t>(k % 5);
  c.dato_4 = static_cast<int16_t>(6 + k % 3);
  c.montagna = static_cast<uint8_t>(k % 2 ? 1 + k % 3 : 0);
  c.limite = static_cast<uint8_t>(20 + k % 30);
  c.pendenza = static_cast<uint8_t>(95 + k % 11);
  c.aderenza = 100;
  return c;
}

struct file_scenario_bench {
  std::string tabella, celle, profilo;
  size_t byte() const { return tabella.size() + celle.size() + profilo.size(); }
};

file_scenario_bench scenario_pieno(int32_t volte) {
  const int64_t lunghezza = int64_t{lunghezza_massima} * volte;
  scenario_compilato s;
  s.tabella[voce::generale_treno].valore_2 = static_cast<int32_t>(lunghezza);
  s.tabella[voce::linea].testo = "Linea";
  s.tabella[voce::treno].testo = "Treno";
  for (int r = 1; r <= 40; ++r) {
    voce_scenario& v = s.tabella[static_cast<size_t>(r)];
    v.tipo = 12;
    v.valore_3 = static_cast<int32_t>(lunghezza / 41 * r);
    v.valore_1 = v.valore_3 - 200;
    v.valore_2 = v.valore_3 + 200;
    v.valore_4 = 30000 + 60 * r;
    v.testo = "Stazione " + std::to_string(r);
  }
  for (int r = 41; r <= 80; ++r) s.tabella[static_cast<size_t>(r)].testo = "(" + std::to_string(r) + ")";
  s.celle.resize(static_cast<size_t>(numero_celle_percorso(lunghezza)));
  for (size_t k = 0; k < s.celle.size(); ++k) s.celle[k] = cella_piena(k);
  // A line that winds: one turn every 20 km.
  const auto ultimo = static_cast<int32_t>(ultimo_metro_percorso(lunghezza));
  s.profilo = profilo_linea(ultimo);
  for (int32_t m = 0; m <= ultimo - 2; ++m)
    s.profilo.imposta_reale(m, 3000 * std::sin(m / 3000.0) + m * 0.5, 3000 * std::cos(m / 3000.0));
  return {codifica_tabella(s.tabella), codifica_celle(s.celle), codifica_profilo(s.profilo)};
}

enum vista { testo, json, csv, svg };

void BM_InspectView(benchmark::State& state) {
  const auto volte = static_cast<int32_t>(state.range(0));
  const auto quale = static_cast<vista>(state.range(1));
  const bool con_disegno = state.range(2) != 0;
  file_in_memoria disco;
  {
    file_scenario_bench f = scenario_pieno(volte);
    disco.file["d/l_t.sim"] = std::move(f.tabella);
    disco.file["d/l_t.dat"] = std::move(f.celle);
    if (con_disegno) disco.file["d/l_linea.dat"] = std::move(f.profilo);
  }
  size_t letti = 0;
  for (const auto& [nome, byte] : disco.file) letti += byte.size();

  opzioni_inspect o;
  o.directory = "d";
  o.nome_linea = "l";
  o.nome_treno = "t";
  o.json = quale == json;
  if (quale == csv) o.csv = "out.csv";
  if (quale == svg) o.svg = "out.svg";
  size_t picco = 0, uscita = 0;
  for (auto _ : state) {
    conta_byte conta;
    std::ostream out(&conta);
    std::ostringstream err;
    azzera_picco();
    const size_t prima = memoria_in_uso();
    if (esegui_inspect(o, disco, out, err) != 0) state.SkipWithError(err.str().c_str());
    picco = picco_memoria() - prima;
    uscita = conta.n + disco.scritti;
    disco.scritti = 0;
  }
  state.counters["files_bytes"] = static_cast<double>(letti);
  state.counters["output_bytes"] = static_cast<double>(uscita);
  state.counters["peak_bytes"] = static_cast<double>(picco);
  state.counters["peak_per_file_byte"] = static_cast<double>(picco) / static_cast<double>(letti);
  state.counters["ns_per_file_byte"] = benchmark::Counter(
      static_cast<double>(letti), benchmark::Counter::kIsIterationInvariantRate |
                                      benchmark::Counter::kInvert);
}

// Sizes 1, 4 and 16 times the largest legal scenario; the views text, JSON,
// CSV, SVG; with the line drawing, as a compile writes the files, and
// without (compile --no-profile), where the cells are the whole input.
BENCHMARK(BM_InspectView)
    ->ArgNames({"times", "view", "drawing"})
    ->ArgsProduct({{1, 4, 16}, {testo, json, csv, svg}, {1, 0}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

}  // namespace
