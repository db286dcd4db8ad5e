#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "program_runner.h"
#include "scratch_dir.h"

// The program itself, copied into a scratch directory so that its files land
// there: exit status, the files beside it, the message of a failed write.
namespace {

namespace fs = std::filesystem;

struct programma {
  scratch_dir dir;
  std::string exe = dir.percorso("compila_scenario");
  std::string err;

  programma() { fs::copy_file(COMPILA_SCENARIO_EXE, exe); }

  int esegui() {
    const corsa_programma c = esegui_reale(exe, dir.path(), {});
    err = c.err;
    return c.stato;
  }

  std::string contenuto(const std::string& nome) const {
    std::ifstream in(dir.percorso(nome), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
};

}  // namespace

TEST(Program, SecondRunLeavesByteIdenticalFiles) {
  programma p;
  ASSERT_EQ(p.esegui(), 0) << p.err;
  auto prima = p.dir.voci();
  std::vector<std::string> contenuti;
  for (const auto& nome : prima) contenuti.push_back(p.contenuto(nome));
  ASSERT_EQ(p.esegui(), 0) << p.err;
  EXPECT_EQ(p.dir.voci(), prima);
  for (size_t i = 0; i < prima.size(); ++i)
    EXPECT_EQ(p.contenuto(prima[i]), contenuti[i]) << prima[i];
  EXPECT_EQ(prima, (std::vector<std::string>{
                       "Verona _Firenze  _ EC 85.dat",
                       "Verona _Firenze  _ EC 85.sim",
                       "Verona _Firenze  _ EC 85_note.txt",
                       "Verona _Firenze  _ EC 85_rallentamenti.txt",
                       "Verona _Firenze  _ EC 85_scheda_treno.txt",
                       "Verona _Firenze  _linea.dat",
                       "compila_scenario",
                   }));
  EXPECT_EQ(p.err, "Attendere\n");
}

TEST(Program, DirectoryInTheWayGivesStatusFourAndKeepsEarlierFiles) {
  programma p;
  fs::create_directory(p.dir.percorso("Verona _Firenze  _ EC 85_rallentamenti.txt"));
  EXPECT_EQ(p.esegui(), 4);
  EXPECT_EQ(p.err, "Attendere\ncompila_scenario: cannot write " +
                            p.dir.percorso("Verona _Firenze  _ EC 85_rallentamenti.txt") +
                            ": is a directory (the files go beside the program: give "
                            "--output-dir DIR to write them elsewhere)\n");
  EXPECT_TRUE(fs::exists(p.dir.percorso("Verona _Firenze  _ EC 85_note.txt")));
  EXPECT_FALSE(fs::exists(p.dir.percorso("Verona _Firenze  _ EC 85_scheda_treno.txt")));
}
