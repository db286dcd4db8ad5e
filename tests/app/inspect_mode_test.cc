#include "app/inspect_mode.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/command_line.h"
#include "app/file_names.h"
#include "app/run.h"
#include "platform/program_directory.h"
#include "inspect/built_in_scenario.h"

using namespace compila;

// The inspect command on the built-in run's files, held in memory.
namespace {

const std::string dir_prog = "/prog" + std::string(1, separatore);  // the files' directory

struct ispezione : ::testing::Test {
  memory_file_system fs = file_integrati();
  opzioni_inspect opzioni;
  std::ostringstream out, err;

  ispezione() {
    opzioni.directory = "/prog";
    fs.directory.insert("/prog");
  }
  int esegui() { return esegui_inspect(opzioni, fs, out, err); }
  static std::string percorso(file_scenario f) {
    return percorso_file("/prog", nome_linea_incorporata, nome_treno_incorporato, f);
  }
};

TEST_F(ispezione, SummaryOfTheBuiltInFiles) {
  EXPECT_EQ(esegui(), esito_ok) << err.str();
  EXPECT_EQ(err.str(), "");
  EXPECT_TRUE(out.str().starts_with("Route length 219000 m; 4521 cells"));
  EXPECT_NE(out.str().find("Stations (35)"), std::string::npos);
}

TEST_F(ispezione, JsonInsteadOfText) {
  opzioni.json = true;
  EXPECT_EQ(esegui(), esito_ok) << err.str();
  EXPECT_TRUE(out.str().starts_with("{\n  \"route_length_m\": 219000,"));
}

TEST_F(ispezione, WritesTheCsvAndSvgFilesAskedFor) {
  opzioni.csv = "/out/celle.csv";
  opzioni.svg = "/out/linea.svg";
  EXPECT_EQ(esegui(), esito_ok) << err.str();
  EXPECT_TRUE(fs.file.at("/out/celle.csv").starts_with("cell,start_m,"));
  EXPECT_TRUE(fs.file.at("/out/linea.svg").starts_with("<?xml"));
}

TEST_F(ispezione, OtherNamesFormOtherFileNames) {
  opzioni.nome_treno = " EC 86";
  EXPECT_EQ(esegui(), esito_errore_file);
  EXPECT_EQ(err.str(),
            "compila_scenario: cannot read " + dir_prog + "Verona _Firenze  _ EC 86.sim: No such file "
            "or directory\n");
  EXPECT_EQ(out.str(), "");
}

TEST_F(ispezione, MissingFileIsNamed) {
  fs.file.erase(percorso(file_scenario::celle));
  EXPECT_EQ(esegui(), esito_errore_file);
  EXPECT_EQ(err.str(),
            "compila_scenario: cannot read " + dir_prog + "Verona _Firenze  _ EC 85.dat: No such file or "
            "directory\n");
}

TEST_F(ispezione, WithoutTheLineProfileFileTheViewsGoWithoutThePlan) {
  fs.file.erase(percorso(file_scenario::profilo_linea));
  opzioni.svg = "/out/linea.svg";
  EXPECT_EQ(esegui(), esito_ok) << err.str();
  EXPECT_TRUE(
      out.str().starts_with("Route length 219000 m; 4521 cells of 50 m (0 to 4520); no "
                            "line drawing\n"));
  EXPECT_NE(fs.file.at("/out/linea.svg").find(">no line drawing<"), std::string::npos);
}

TEST_F(ispezione, FileOfTheWrongKindIsNamed) {
  fs.file[percorso(file_scenario::celle)] = file_integrato(file_scenario::tabella);
  EXPECT_EQ(esegui(), esito_errore_file);
  EXPECT_EQ(err.str(),
            "compila_scenario: " + dir_prog + "Verona _Firenze  _ EC 85.dat is not a cell file: a size "
            "of 3530 bytes is not a whole number of 15-byte cells (235 cells and 5 "
            "bytes over)\n");
}

TEST_F(ispezione, CellsOfAnotherRouteAreRefused) {
  fs.file[percorso(file_scenario::celle)].resize(15 * 4500);
  EXPECT_EQ(esegui(), esito_errore_file);
  EXPECT_EQ(err.str(),
            "compila_scenario: " + dir_prog + "Verona _Firenze  _ EC 85.dat holds 4500 cells, but the "
            "route of 219000 m needs 4521\n");
}

TEST_F(ispezione, DrawingOfAnotherRouteIsRefused) {
  std::string& dat = fs.file[percorso(file_scenario::profilo_linea)];
  dat.resize(dat.size() - 4);  // the last two empty elements
  EXPECT_EQ(esegui(), esito_errore_file);
  EXPECT_EQ(err.str(),
            "compila_scenario: " + dir_prog + "Verona _Firenze  _linea.dat draws metres 0 to 225999, but "
            "the route of 219000 m needs 0 to 226000\n");
}

// The table's route length is checked first, and the other files' sizes
// against it before they are decoded.
TEST_F(ispezione, RouteLengthsNoCompileWritesAndFilesThatCannotFitThemAreRefused) {
  const std::string sim = dir_prog + "Verona _Firenze  _ EC 85.sim";
  const std::string dat = dir_prog + "Verona _Firenze  _ EC 85.dat";
  const std::string linea = dir_prog + "Verona _Firenze  _linea.dat";
  struct caso {
    int32_t lunghezza;
    std::string file;  // the file edited
    size_t dimensione;
    std::string messaggio;
  };
  const caso casi[] = {
      {0, "", 0, sim + " records a route length of 0 m"},
      {-50, "", 0, sim + " records a route length of -50 m"},
      {1000001, "", 0,
       sim + " records a route length of 1000001 m, longer than the 1000000 m a compile accepts"},
      {219000, dat, 15 * 20141, dat + " holds 20141 cells, but the route of 219000 m needs 4521"},
      {219000, linea, 904003,
       linea + " holds 904003 bytes, but the drawing of the route of 219000 m (x and y of "
               "metres 0 to 226000) takes 904004 to 4520020"},
      {219000, linea, 4520021,
       linea + " holds 4520021 bytes, but the drawing of the route of 219000 m (x and y of "
               "metres 0 to 226000) takes 904004 to 4520020"},
  };
  for (const caso& k : casi) {
    SCOPED_TRACE(k.messaggio);
    fs = file_integrati();
    fs.directory.insert("/prog");
    std::string& tabella = fs.file[percorso(file_scenario::tabella)];
    size_t pos = 0;  // record 84: after the records before it, 34 bytes and a text each
    for (int r = 0; r < 84; ++r)
      pos += 34 + (static_cast<uint8_t>(tabella[pos + 14]) | static_cast<uint8_t>(tabella[pos + 15]) << 8);
    for (int i = 0; i < 4; ++i)
      tabella[pos + 5 + i] = static_cast<char>(static_cast<uint32_t>(k.lunghezza) >> (8 * i));
    if (!k.file.empty()) fs.file[k.file].resize(k.dimensione);
    err.str("");
    EXPECT_EQ(esegui(), esito_errore_file);
    EXPECT_EQ(err.str(), "compila_scenario: " + k.messaggio + "\n");
  }
}

TEST_F(ispezione, UnwritableOutputIsNamed) {
  opzioni.svg = "/out/linea.svg";
  fs.fallisce_scrittura.insert("/out/linea.svg");
  EXPECT_EQ(esegui(), esito_errore_file);
  EXPECT_EQ(err.str(), "compila_scenario: cannot write /out/linea.svg: No space left on device\n");
}

TEST_F(ispezione, LineProfileThatVanishesAfterItWasFoundIsNamed) {
  fs.svanisce_dopo[percorso(file_scenario::profilo_linea)] = 0;
  EXPECT_EQ(esegui(), esito_errore_file);
  EXPECT_EQ(err.str(), "compila_scenario: cannot read " + percorso(file_scenario::profilo_linea) +
                           ": No such file or directory\n");
}

TEST_F(ispezione, MissingDirectoryIsNamed) {
  opzioni.directory = "/altrove";
  EXPECT_EQ(esegui(), esito_errore_file);
  EXPECT_EQ(err.str(), "compila_scenario: directory /altrove does not exist\n");
}

TEST_F(ispezione, NeverWritesOverAFileItReads) {
  const std::string celle = percorso(file_scenario::celle);
  opzioni.csv = "/prog/./" + nome_file(nome_linea_incorporata, nome_treno_incorporato,
                                       file_scenario::celle);
  EXPECT_EQ(esegui(), esito_uso);
  EXPECT_EQ(err.str(), "compila_scenario: " + opzioni.csv +
                           " is one of the files inspected; choose another name\n");
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(fs.file.at(celle), file_integrato(file_scenario::celle));
}

}  // namespace
