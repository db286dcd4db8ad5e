#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/file_names.h"
#include "app/program.h"
#include "app/run.h"
#include "platform/console_interface.h"
#include "memory_file_system.h"
#include "platform/program_directory.h"

using namespace compila;

// The whole built-in run in memory: which files it leaves and the bytes the
// simulator reads at known places.
namespace {

const std::string linea = "Verona _Firenze  ";
const std::string treno = " EC 85";

struct run_completo : ::testing::Test {
  memory_file_system fs;
  std::ostringstream console_out;
  console_interface ui{console_out};
  std::ostringstream diagnostica;
  ambiente_esecuzione amb{fs, ui, "/prog", diagnostica};
  int esito = esegui_scenario(amb);

  const std::string& file(file_scenario f) {
    return fs.file.at(percorso_file("/prog", linea, treno, f));
  }
  static std::string byte(const std::string& s, size_t da, size_t quanti) {
    return s.substr(da, quanti);
  }
  // Offset of record r in the scenario table file, walking the texts.
  static size_t inizio_voce(const std::string& sim, int r) {
    size_t pos = 0;
    for (int i = 0; i < r; ++i)
      pos += 34 + (static_cast<uint8_t>(sim[pos + 14]) | static_cast<uint8_t>(sim[pos + 15]) << 8);
    return pos;
  }
};

}  // namespace

TEST_F(run_completo, LeavesTheDocumentsAndTheBinaryFilesOnly) {
  EXPECT_EQ(esito, esito_ok) << diagnostica.str();
  EXPECT_EQ(diagnostica.str(), "");
  EXPECT_EQ(fs.bloccate, std::vector<std::string>{"/prog"}) << "runs into /prog take turns";
  std::vector<std::string> nomi;
  for (const auto& [percorso, contenuto] : fs.file) nomi.push_back(percorso);
  const std::string prog = "/prog" + std::string(1, separatore);
  EXPECT_EQ(nomi, (std::vector<std::string>{
                      prog + "Verona _Firenze  _ EC 85.dat",
                      prog + "Verona _Firenze  _ EC 85.sim",
                      prog + "Verona _Firenze  _ EC 85_note.txt",
                      prog + "Verona _Firenze  _ EC 85_rallentamenti.txt",
                      prog + "Verona _Firenze  _ EC 85_scheda_treno.txt",
                      prog + "Verona _Firenze  _linea.dat",
                  }));
}

TEST_F(run_completo, BinaryFileSizes) {
  EXPECT_EQ(file(file_scenario::profilo_linea).size(), 4519964u);
  EXPECT_EQ(file(file_scenario::tabella).size(), 3530u);
  EXPECT_EQ(file(file_scenario::celle).size(), 67815u);
}

TEST_F(run_completo, StampedMarkersAndCodes) {
  const std::string& dat = file(file_scenario::celle);
  EXPECT_EQ(byte(dat, 16, 4), "\x01\x14\x74\x08");  // 5121 and 2164 in cell 1

  const std::string& sim = file(file_scenario::tabella);
  EXPECT_EQ(byte(sim, 0, 34), std::string(34, '\0'));  // record 0 stays clear
  size_t r85 = inizio_voce(sim, 85);
  EXPECT_EQ(byte(sim, r85 + 14, 2 + 17), std::string("\x11\x00", 2) + linea);
  EXPECT_EQ(byte(sim, r85 + 16 + 17, 2), "\x62\x02");
  EXPECT_EQ(byte(sim, r85 + 30 + 17, 4), std::string("\x1D\x71\x00\x00", 4));
  EXPECT_EQ(inizio_voce(sim, 87), sim.size());
}

TEST_F(run_completo, SignalCellAtItsByte) {
  // The signal at 43800 m: cell 877, values 40, 10, 0, 6, then tempo and
  // approach 0, open line, limit 40, gradient 0, adhesion 100.
  EXPECT_EQ(byte(file(file_scenario::celle), 13155, 15),
            std::string("\x01\x28\x00\x0A\x00\x00\x00\x06\x00\x00\x00\x00\x28\x64\x64", 15));
}

TEST_F(run_completo, LineDrawingStartsWithIntegerRowsAndEndsEmpty) {
  const std::string& dat = file(file_scenario::profilo_linea);
  // x of metres 0 and 1, tag 2 with value 0; then metre 2 is a double.
  EXPECT_EQ(byte(dat, 0, 8), std::string("\x02\x00\x00\x00\x02\x00\x00\x00", 8));
  EXPECT_EQ(byte(dat, 8, 2), std::string("\x05\x00", 2));
  // The x component ends with the two empty rows N - 1 and N.
  const size_t componente = 10 * 226000 - 18;
  EXPECT_EQ(byte(dat, componente - 4, 4), std::string(4, '\0'));
  // y of metres 0 and 1: 0 and 1.
  EXPECT_EQ(byte(dat, componente, 8), std::string("\x02\x00\x00\x00\x02\x00\x01\x00", 8));
}

// Installed under /usr, the program leaves nothing beside itself unless told
// where to write; elsewhere it writes beside itself as always.
TEST(BuiltInRunFromTheProgram, ASystemDirectoryNeedsOutputDir) {
  struct caso {
    std::string directory_programma;
    std::vector<const char*> argomenti;
    int esito;
    size_t file_scritti;
  };
  for (const caso& c : std::vector<caso>{{"/usr/bin", {"compila_scenario"}, 4, 0},
                                         {"/usr", {"compila_scenario"}, 4, 0},
                                         {"/usr/bin", {"compila_scenario", "--output-dir", "/out"}, 0, 6},
                                         {"/usrx", {"compila_scenario"}, 0, 6}}) {
    memory_file_system fs;
    fs.directory.insert("/out");
    std::ostringstream out, err;
    piattaforma p{fs, [&] { return std::make_unique<console_interface>(err); },
                  c.directory_programma, out, err};
    EXPECT_EQ(esegui_programma(static_cast<int>(c.argomenti.size()), c.argomenti.data(), p),
              c.esito)
        << c.directory_programma << ": " << err.str();
    EXPECT_EQ(fs.file.size(), c.file_scritti) << c.directory_programma;
    if (c.esito == 4) {
      EXPECT_EQ(err.str(), "compila_scenario: the program is installed in " +
                               c.directory_programma +
                               ", where the built-in run would leave its files; give "
                               "--output-dir DIR to choose where they go\n");
    }
  }
}
