#include "app/source_watcher.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace compila;

namespace {

// Files as the watcher sees them, changed by hand between looks.
struct disco_finto {
  std::map<std::string, identita_file> file;
  uint64_t prossimo = 1;

  void scrivi(const std::string& p, int64_t dimensione, int64_t ora) {
    identita_file& i = file[p];
    if (!i.esiste) i.numero = prossimo++;
    i.esiste = true;
    i.dimensione = dimensione;
    i.scritto = ora;
  }
  // A new file renamed over the old one: same size and time, another file.
  void sostituisci(const std::string& p) { file[p].numero = prossimo++; }
  void elimina(const std::string& p) { file[p] = {}; }
};

}  // namespace

TEST(SourceWatcher, AChangeCountsOnceTwoLooksAgreeOnIt) {
  disco_finto d;
  d.scrivi("l", 10, 1);
  d.scrivi("t", 20, 1);
  osservatore_sorgenti o({"l", "t"}, [&](const std::string& p) { return d.file[p]; });

  struct passo {
    const char* cosa;
    std::function<void()> fai;
    bool cambiate;
  };
  const std::vector<passo> passi = {
      {"nothing saved", [] {}, false},
      {"saved in place, still being written", [&] { d.scrivi("t", 5, 2); }, false},
      {"written to its end", [&] { d.scrivi("t", 25, 3); }, false},
      {"two looks agree", [] {}, true},
      {"reported once", [] {}, false},
      {"renamed over", [&] { d.sostituisci("l"); }, false},
      {"renamed over, settled", [] {}, true},
      {"deleted", [&] { d.elimina("l"); }, false},
      {"deleted, settled", [] {}, true},
      {"written back", [&] { d.scrivi("l", 10, 9); }, false},
      {"written back, settled", [] {}, true},
  };
  for (const passo& p : passi) {
    p.fai();
    EXPECT_EQ(o.cambiate(), p.cambiate) << p.cosa;
    if (std::string(p.cosa) == "deleted, settled") {
      EXPECT_EQ(o.mancanti(), std::vector<std::string>{"l"});
    }
  }
  EXPECT_EQ(o.mancanti(), std::vector<std::string>{});
}
