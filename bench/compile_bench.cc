// Speed of the compiler in memory, no disk: the built-in scenario read and
// compiled, the signal completion alone, the encoding of the three files,
// the scenario page that watch serves after each compile, and a synthetic
// 1000000 m route carrying the built-in features repeated.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>
#include <vector>

#include "compiler/memorizza_dati.h"
#include "compiler/memorizza_percorso.h"
#include "compiler/signal_completion.h"
#include "inspect/scenario_page.h"
#include "output/cell_file.h"
#include "output/table_file.h"
#include "peak_memory.h"
#include "sources/line_description.h"
#include "sources/train_description.h"
#include "textio/text_writer.h"

using namespace compila;

namespace {

struct scenario {
  std::string linea, treno;
  scenario(const std::vector<std::string>& righe_linea, const std::vector<std::string>& righe_treno)
      : linea(testo_windows1252(righe_linea)), treno(testo_windows1252(righe_treno)) {}
  testi_sorgenti testi() const { return {linea, treno}; }
  compilazione compila() const {
    compilazione c;
    c.nome_linea = "Verona _Firenze  ";
    c.nome_treno = " EC 85";
    memorizza_percorso(c, 1, testi());
    return c;
  }
};

// The line drawing is held as its file's bytes: the run writes them as they
// are, so its share of the encoding is asking for them.
size_t bytes_disegno(const compilazione& c) { return c.profilo.meta(0).size() + c.profilo.meta(1).size(); }

size_t codifica_tutto(const compilazione& c) {
  return bytes_disegno(c) + codifica_tabella(c.tabella).size() + codifica_celle(c.celle).size();
}

// Adds `offset` to the first `quanti` numeric fields after the keyword.
std::string sposta(const std::string& riga, int quanti, int32_t offset) {
  std::string out;
  size_t pos = riga.find(',');
  out = riga.substr(0, pos);
  for (int i = 0; i < quanti; ++i) {
    size_t fine = riga.find(',', pos + 1);
    std::string campo = riga.substr(pos + 1, fine == std::string::npos ? std::string::npos
                                                                        : fine - pos - 1);
    out += ", " + std::to_string(std::stol(campo) + offset);
    pos = fine;
  }
  if (pos != std::string::npos) out += riga.substr(pos);
  return out;
}

// Repeats each section's lines `copie(section)` times along the route, each
// copy moved by one built-in route length.
std::vector<std::string> ripeti(const std::vector<std::string>& righe,
                                int (*copie)(const std::string&), int (*numeri)(const std::string&)) {
  constexpr int32_t passo = 219000;
  std::vector<std::string> out;
  std::vector<std::string> sezione;
  std::string intestazione;
  auto chiudi = [&] {
    if (intestazione.empty()) return;
    out.push_back(intestazione);
    for (int k = 0; k < copie(intestazione); ++k)
      for (const auto& r : sezione)
        out.push_back(k == 0 ? r : sposta(r, numeri(r), k * passo));
    sezione.clear();
  };
  for (const auto& r : righe) {
    if (!r.empty() && r.front() == '[') {
      chiudi();
      intestazione = r;
    } else if (r.rfind("lunghezza percorso", 0) == 0) {
      sezione.push_back("lunghezza percorso,    1000000");
    } else {
      sezione.push_back(r);
    }
  }
  chiudi();
  return out;
}

int copie_linea(const std::string& sezione) {
  if (sezione == "[generale]" || sezione == "[fine]") return 1;
  if (sezione == "[montagne]") return 2;  // at most 80 tunnel stretches
  return 4;
}
int numeri_linea(const std::string& r) { return r.rfind("montagna", 0) == 0 ? 2 : 1; }

int copie_treno(const std::string& sezione) {
  if (sezione == "[aderenze]" || sezione == "[rallentamenti]" || sezione == "[segnali]" ||
      sezione == "[codici]")
    return 4;
  return 1;  // stations share the records with the sign boards
}
int numeri_treno(const std::string&) { return 1; }

void BM_CompileBuiltIn(benchmark::State& state) {
  scenario s(righe_descrizione_linea(), righe_descrizione_treno());
  for (auto _ : state) {
    compilazione c = s.compila();
    benchmark::DoNotOptimize(codifica_tutto(c));
  }
}
BENCHMARK(BM_CompileBuiltIn)->Unit(benchmark::kMillisecond);

void BM_SignalCompletion(benchmark::State& state) {
  scenario s(righe_descrizione_linea(), righe_descrizione_treno());
  compilazione letto;
  letto.nome_linea = "Verona _Firenze  ";
  letto.nome_treno = " EC 85";
  memorizza_dati(letto, s.testi());
  for (auto _ : state) {
    state.PauseTiming();
    compilazione c = letto;
    state.ResumeTiming();
    completa_segnali(c);
    benchmark::DoNotOptimize(c.celle.data());
  }
}
BENCHMARK(BM_SignalCompletion)->Unit(benchmark::kMicrosecond);

void BM_EncodeThreeFiles(benchmark::State& state) {
  scenario s(righe_descrizione_linea(), righe_descrizione_treno());
  compilazione c = s.compila();
  for (auto _ : state) benchmark::DoNotOptimize(codifica_tutto(c));
  state.counters["bytes"] = static_cast<double>(codifica_tutto(c));
}
BENCHMARK(BM_EncodeThreeFiles)->Unit(benchmark::kMillisecond);

// With the compile and the writing of the files, what a save costs watch
// before the page goes out; a save must reach the open page within 300 ms.
void BM_ScenarioPage(benchmark::State& state) {
  const compilazione c = scenario(righe_descrizione_linea(), righe_descrizione_treno()).compila();
  resoconto_compilazione r;
  r.ora = "12:00:00";
  for (auto _ : state) benchmark::DoNotOptimize(pagina_scenario(&c, &r).size());
}
BENCHMARK(BM_ScenarioPage)->Unit(benchmark::kMillisecond);

void BM_CompileMillionMetres(benchmark::State& state) {
  scenario s(ripeti(righe_descrizione_linea(), copie_linea, numeri_linea),
             ripeti(righe_descrizione_treno(), copie_treno, numeri_treno));
  compilazione c = s.compila();
  state.counters["anomaly"] = c.stato.codice_errore;
  state.counters["cells"] = static_cast<double>(c.celle.size());
  for (auto _ : state) {
    compilazione ogni = s.compila();
    benchmark::DoNotOptimize(codifica_tutto(ogni));
  }
}
BENCHMARK(BM_CompileMillionMetres)->Unit(benchmark::kMillisecond);

// Peak heap of one compile and encoding, against the largest file written:
// the memory a whole run needs beyond the program itself.
void picco_per_file(benchmark::State& state, scenario& s) {
  size_t picco = 0, piu_grande = 0;
  for (auto _ : state) {
    azzera_picco();
    const size_t prima = memoria_in_uso();
    compilazione c = s.compila();
    const size_t profilo = bytes_disegno(c);
    const std::string tabella = codifica_tabella(c.tabella);
    const std::string celle = codifica_celle(c.celle);
    picco = picco_memoria() - prima;
    piu_grande = std::max({profilo, tabella.size(), celle.size()});
  }
  state.counters["peak_bytes"] = static_cast<double>(picco);
  state.counters["largest_file"] = static_cast<double>(piu_grande);
  state.counters["peak_per_file"] = static_cast<double>(picco) / static_cast<double>(piu_grande);
}

void BM_PeakMemoryBuiltIn(benchmark::State& state) {
  scenario s(righe_descrizione_linea(), righe_descrizione_treno());
  picco_per_file(state, s);
}
BENCHMARK(BM_PeakMemoryBuiltIn)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PeakMemoryMillionMetres(benchmark::State& state) {
  scenario s(ripeti(righe_descrizione_linea(), copie_linea, numeri_linea),
             ripeti(righe_descrizione_treno(), copie_treno, numeri_treno));
  picco_per_file(state, s);
}
BENCHMARK(BM_PeakMemoryMillionMetres)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
