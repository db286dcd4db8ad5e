#include "app/binary_files.h"

#include <gtest/gtest.h>

#include "output/cell_file.h"
#include "output/profile_file.h"
#include "output/table_file.h"
#include "memory_file_system.h"

using namespace compila;

namespace {

const percorsi_binari percorsi_prova = {"d/L_linea.dat", "d/L_T.sim", "d/L_T.dat"};

scenario_compilato compilato() {
  scenario_compilato c;
  c.celle.assign(150, cella{});
  c.celle[1].dato_1 = 5121;
  c.profilo = profilo_linea(20);
  c.profilo.imposta(0, 0, elemento_profilo::da_intero(0));
  c.tabella[voce::linea].testo = std::string(1, 'L');
  return c;
}

TEST(BinaryFiles, WritesTheThreeFiles) {
  memory_file_system fs;
  fs.file[percorsi_prova.tabella] = std::string(10000, 'x');  // an older, longer file
  const scenario_compilato c = compilato();
  std::string err;
  ASSERT_TRUE(scrivi_file_binari(fs, c, percorsi_prova, &err)) << err;
  EXPECT_EQ(fs.file.size(), 3u);
  EXPECT_EQ(fs.file[percorsi_prova.profilo_linea], codifica_profilo(c.profilo));
  EXPECT_EQ(fs.file[percorsi_prova.tabella], codifica_tabella(c.tabella));
  EXPECT_EQ(fs.file[percorsi_prova.celle], codifica_celle(c.celle));
  EXPECT_EQ(fs.file[percorsi_prova.celle].size(), 150u * 15);
}

TEST(BinaryFiles, NoProfileFileWhenJIsZeroOrTheDrawingIsMissing) {
  memory_file_system fs;
  fs.file[percorsi_prova.profilo_linea] = "old";
  scenario_compilato c = compilato();
  c.profilo = profilo_linea();
  std::string err;
  ASSERT_TRUE(scrivi_file_binari(fs, c, percorsi_prova, &err)) << err;
  EXPECT_EQ(fs.file[percorsi_prova.profilo_linea], "old");
  EXPECT_TRUE(fs.esiste(percorsi_prova.tabella));
  EXPECT_TRUE(fs.esiste(percorsi_prova.celle));
}

TEST(BinaryFiles, AFailedWriteWritesNoneOfTheThree) {
  memory_file_system fs;
  fs.fallisce_scrittura.insert(percorsi_prova.tabella);
  std::string err;
  EXPECT_FALSE(scrivi_file_binari(fs, compilato(), percorsi_prova, &err));
  EXPECT_EQ(err, "d/L_T.sim: No space left on device");
  EXPECT_TRUE(fs.file.empty());
}

TEST(BinaryFiles, TextTooLongFailsNamingTheFile) {
  memory_file_system fs;
  scenario_compilato c = compilato();
  c.tabella[80].testo = std::string(70000, 'a');
  std::string err;
  EXPECT_FALSE(scrivi_file_binari(fs, c, percorsi_prova, &err));
  EXPECT_EQ(err.rfind("d/L_T.sim: ", 0), 0u) << err;
  EXPECT_FALSE(fs.esiste(percorsi_prova.tabella));
  EXPECT_FALSE(fs.esiste(percorsi_prova.celle));
}

TEST(BinaryFiles, NothingWrittenWithoutCells) {
  memory_file_system fs;
  scenario_compilato c = compilato();
  c.celle.clear();
  std::string err;
  EXPECT_FALSE(scrivi_file_binari(fs, c, percorsi_prova, &err));
  EXPECT_FALSE(err.empty());
  EXPECT_TRUE(fs.file.empty());
}

}  // namespace
