#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "scratch_dir.h"

// The program itself, copied into a scratch directory so that its files land
// there: exit status, the files beside it, the message of a failed write.
namespace {

namespace fs = std::filesystem;

struct programma {
  scratch_dir dir;
  std::string exe = dir.percorso("compila_scenario");

  programma() { fs::copy_file(COMPILA_SCENARIO_EXE, exe); }

  int esegui() {
    std::string comando = "'" + exe + "' 2>'" + dir.percorso("stderr.txt") + "'";
    int stato = std::system(comando.c_str());
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
  }

  std::string errori() const {
    std::ifstream in(dir.percorso("stderr.txt"), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
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
  ASSERT_EQ(p.esegui(), 0) << p.errori();
  auto prima = p.dir.voci();
  std::vector<std::string> contenuti;
  for (const auto& nome : prima) contenuti.push_back(p.contenuto(nome));
  ASSERT_EQ(p.esegui(), 0) << p.errori();
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
                       "stderr.txt",
                   }));
  EXPECT_EQ(p.errori(), "Attendere\n");
}

TEST(Program, DirectoryInTheWayGivesStatusFourAndKeepsEarlierFiles) {
  programma p;
  fs::create_directory(p.dir.percorso("Verona _Firenze  _ EC 85_rallentamenti.txt"));
  EXPECT_EQ(p.esegui(), 4);
  EXPECT_EQ(p.errori(), "Attendere\ncompila_scenario: cannot write " +
                            p.dir.percorso("Verona _Firenze  _ EC 85_rallentamenti.txt") +
                            ": is a directory\n");
  EXPECT_TRUE(fs::exists(p.dir.percorso("Verona _Firenze  _ EC 85_note.txt")));
  EXPECT_FALSE(fs::exists(p.dir.percorso("Verona _Firenze  _ EC 85_scheda_treno.txt")));
}
