// The cost of inspect's views as the files grow: the largest scenario a
// compile accepts (a 1000000 m route whose every cell holds a point feature
// and its own tunnel stretch, 40 stations and 40 sign boards, a line
// drawing of every metre), then the same 4 and 16 times longer, built in
// memory past the route length inspect accepts from disk. Each run reads and
// decodes the files, as the command does, and makes one view; the counters
// give the files' bytes, the peak heap of the run (a CSV or SVG held whole,
// as it is handed to the disk) and the two's ratio. Time and peak per file byte
// stay flat across the sizes: every view is linear in its input.
#include <benchmark/benchmark.h>

#include <cmath>
#include <functional>
#include <utility>
#include <sstream>
#include <ostream>
#include <streambuf>
#include <string>

#include "inspect/cell_csv.h"
#include "inspect/json_summary.h"
#include "inspect/line_svg.h"
#include "inspect/summary.h"
#include "inspect/text_summary.h"
#include "model/compiled_scenario.h"
#include "output/cell_file.h"
#include "output/profile_file.h"
#include "output/table_file.h"
#include "peak_memory.h"

using namespace compila;

namespace {

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
  profilo_linea::coda q = s.profilo.apri_coda(0);
  for (int32_t m = 0; m <= ultimo - 2 && (m <= q.limite || s.profilo.aggiungi_oltre(q)); ++m)
    profilo_linea::aggiungi_a_coda(q, 3000 * std::sin(m / 3000.0) + m * 0.5,
                                   3000 * std::cos(m / 3000.0));
  s.profilo.chiudi_coda(q);
  return {codifica_tabella(s.tabella), codifica_celle(s.celle), codifica_profilo(s.profilo)};
}

enum vista { testo, json, csv, svg };

// What inspect does with the three files once the route length has passed
// its check: each file read (a copy of its bytes), decoded and let go, then
// the summary and one view, the summary to a stream, a file's view handed
// over whole.
size_t ispeziona(const file_scenario_bench& f, bool con_disegno, vista quale, std::ostream& out) {
  scenario_compilato s;
  std::string err;
  for (auto [byte, decodifica] :
       {std::pair<const std::string*, std::function<bool(std::string_view)>>{
            &f.tabella, [&](std::string_view b) { return decodifica_tabella(b, &s.tabella, &err); }},
        {&f.celle, [&](std::string_view b) { return decodifica_celle(b, &s.celle, &err); }},
        {con_disegno ? &f.profilo : nullptr,
         [&](std::string_view b) { return decodifica_profilo(b, &s.profilo, &err); }}}) {
    if (!byte) continue;
    const std::string letto = *byte;
    if (!decodifica(letto)) return 0;
  }
  const riepilogo r = riassumi(s);
  switch (quale) {
    case testo: scrivi_riepilogo(s, r, out); return 0;
    case json: scrivi_riepilogo_json(s, r, out); return 0;
    case csv: return celle_csv(s.celle).size();
    case svg: return disegno_svg(s, r).size();
  }
  return 0;
}

void BM_InspectView(benchmark::State& state) {
  const auto volte = static_cast<int32_t>(state.range(0));
  const auto quale = static_cast<vista>(state.range(1));
  const bool con_disegno = state.range(2) != 0;
  const file_scenario_bench f = scenario_pieno(volte);
  const size_t letti = f.tabella.size() + f.celle.size() + (con_disegno ? f.profilo.size() : 0);
  size_t picco = 0, uscita = 0;
  for (auto _ : state) {
    conta_byte conta;
    std::ostream out(&conta);
    azzera_picco();
    const size_t prima = memoria_in_uso();
    uscita = ispeziona(f, con_disegno, quale, out) + conta.n;
    picco = picco_memoria() - prima;
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
