#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "program_runner.h"
#include "scratch_dir.h"

// Inputs made to exhaust the program, each run against the real program
// under a time limit and a memory limit: every one ends in time with a
// status and a message, never by a signal or a memory it cannot have.
namespace {

namespace fs = std::filesystem;

const std::string linea = "Verona _Firenze  _linea.txt";
const std::string treno = "Verona _Firenze  _ EC 85-.txt";
const std::string tabella = "Verona _Firenze  _ EC 85.sim";
const std::string profilo = "Verona _Firenze  _linea.dat";

// Enough for the largest file the program reads and the scenario it
// compiles; far too little for an input read or decoded without bound.
const limiti_corsa limiti{60, 256};

std::string leggi(const std::string& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void scrivi(const std::string& p, const std::string& contenuto) {
  std::ofstream(p, std::ios::binary) << contenuto;
}

// The route length in the scenario table: record 84's second value, found by
// walking the records before it (34 bytes each and their texts).
void scrivi_lunghezza(const std::string& p, uint32_t metri) {
  std::string sim = leggi(p);
  size_t pos = 0;
  for (int r = 0; r < 84; ++r)
    pos += 34 + (static_cast<uint8_t>(sim[pos + 14]) | static_cast<uint8_t>(sim[pos + 15]) << 8);
  for (int i = 0; i < 4; ++i) sim[pos + 5 + i] = static_cast<char>(metri >> (8 * i));
  scrivi(p, sim);
}

struct caso {
  const char* nome;
  std::function<void(const scratch_dir&)> prepara;  // in a directory holding the built-in
                                                    // run's files and its two sources
  std::vector<std::string> argomenti;
  int esito;
  std::string messaggio;  // on the error stream
};

std::vector<caso> casi() {
  const std::string oltre = ": larger than 64 MiB, the most this program reads (a description "
                            "or a compiled file is a few MB at most)\n";
  return {
      {"endless device as a source", [](const scratch_dir&) {}, {"compile", "/dev/zero", treno},
       4, "compila_scenario: cannot read /dev/zero" + oltre},
      {"endless pipe as a source",
       [](const scratch_dir& d) {
         ASSERT_EQ(::mkfifo(d.percorso("fifo").c_str(), 0600), 0);
         // Ends by itself should the program never open the pipe.
         std::system(("timeout 60 sh -c 'cat /dev/zero > " + tra_apici(d.percorso("fifo")) +
                      "' 2>/dev/null &").c_str());
       },
       {"compile", "fifo", treno}, 4, "compila_scenario: cannot read fifo" + oltre},
      {"huge sparse source", [](const scratch_dir& d) { fs::resize_file(d.percorso(treno), 3ull << 30); },
       {"compile", linea, treno}, 4, "compila_scenario: cannot read " + treno + oltre},
      {"scenario table linked to an endless device",
       [](const scratch_dir& d) {
         fs::remove(d.percorso(tabella));
         fs::create_symlink("/dev/zero", d.percorso(tabella));
       },
       {"inspect"}, 4, "compila_scenario: cannot read ./" + tabella + oltre},
      {"route length no compile writes",
       [](const scratch_dir& d) { scrivi_lunghezza(d.percorso(tabella), 2147483647); }, {"inspect"},
       4, "compila_scenario: ./" + tabella +
              " records a route length of 2147483647 m, longer than the 1000000 m a compile "
              "accepts\n"},
      {"line profile of 200 MB", [](const scratch_dir& d) { fs::resize_file(d.percorso(profilo), 200 << 20); },
       {"inspect"}, 4, "compila_scenario: cannot read ./" + profilo + oltre},
      {"line profile of 60 MB of zeros",
       [](const scratch_dir& d) {
         fs::remove(d.percorso(profilo));
         scrivi(d.percorso(profilo), "");
         fs::resize_file(d.percorso(profilo), 60 << 20);
       },
       {"inspect"}, 4, "compila_scenario: ./" + profilo +
                           " holds 62914560 bytes, but the drawing of the route of 219000 m (x "
                           "and y of metres 0 to 226000) takes 904004 to 4520020\n"},
      {"train description with no [generale]",
       [](const scratch_dir& d) { scrivi(d.percorso("t.txt"), std::string("\xff\xfe[\0g\0", 6)); },
       {"compile", linea, "t.txt"}, 0,
       "t.txt: warning: no [generale] section; the train description has no effect\n"},
      {"line description holding only [generale]",
       [](const scratch_dir& d) { scrivi(d.percorso("l.txt"), "[generale]\r\n"); },
       {"compile", "l.txt", treno}, 1,
       "l.txt:1: anomaly 102: the \"[generale]\" line is the last line of the file, and the last "
       "line is never read: the general section (\"lunghezza percorso\" first), the features "
       "and the closing line \"[fine]\" must follow it\n"
       "compila_scenario: no binary file written: the line description stopped before its "
       "route length\n"},
      {"a control character in a number",
       [](const scratch_dir& d) {
         std::string l = leggi(d.percorso(linea));
         l.replace(l.find("219000"), 6, "219000\x01");
         scrivi(d.percorso(linea), l);
       },
       {"compile", linea, treno}, 1,
       linea + ":2: anomaly 25: \"219000\\x01\" is not a whole number: it holds the character "
               "\\x01, which does not show; a numeric field holds digits only, with an optional "
               "leading \"-\"\n"
               "compila_scenario: no binary file written: the line description stopped before "
               "its route length\n"},
      {"a number of a million digits",
       [](const scratch_dir& d) {
         std::string l = leggi(d.percorso(linea));
         l.replace(l.find("219000"), 6, std::string(1000000, '7'));
         scrivi(d.percorso(linea), l);
       },
       {"compile", linea, treno}, 1,
       linea + ":2: anomaly 25: \"" + std::string(40, '7') +
           "...\" (1000000 characters) is too large: numbers lie between -2147483648 and "
           "2147483647\n"
           "compila_scenario: no binary file written: the line description stopped before its "
           "route length\n"},
  };
}

}  // namespace

TEST(BoundsProgram, EveryInputEndsInTimeWithAStatusAndAMessage) {
  scratch_dir modello;
  ASSERT_EQ(esegui_reale(COMPILA_SCENARIO_EXE, modello.path(), {"--output-dir", "."}).stato, 0);
  ASSERT_EQ(esegui_reale(COMPILA_SCENARIO_EXE, modello.path(), {"export-sources"}).stato, 0);
  for (const caso& k : casi()) {
    SCOPED_TRACE(k.nome);
    scratch_dir d;
    fs::copy(modello.path(), d.path(), fs::copy_options::recursive);
    k.prepara(d);
    const corsa_programma c = esegui_reale(COMPILA_SCENARIO_EXE, d.path(), k.argomenti, limiti);
    EXPECT_EQ(c.stato, k.esito);
    EXPECT_EQ(c.err, k.messaggio);
  }
}
