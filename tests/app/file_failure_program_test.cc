#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <vector>

#include "program_runner.h"
#include "scratch_dir.h"
#include "small_tmpfs.h"
#include "sources/line_description.h"
#include "sources/train_description.h"
#include "textio/text_writer.h"

using namespace compila;

// Every mode of the real program against a file system that fails it: each
// failure gives status 4 and one message naming the file, and leaves the
// directory exactly as it was, earlier files byte for byte and no temporary.
namespace {

namespace fs = std::filesystem;
using comando = std::vector<std::string>;

enum class guasto {
  nessuno,          // the case names a directory that does not exist
  directory,        // a directory stands where `bersaglio` is read or written
  disco_pieno,      // out/ is a tmpfs filled to the last byte
  sola_lettura,     // out/ is a tmpfs remounted read-only
};

struct caso {
  const char* nome;
  std::vector<comando> prima;  // run first, to leave the earlier files in out/
  guasto g;
  std::string bersaglio;
  comando cmd;
  std::string errori;  // the whole error stream
};

void PrintTo(const caso& k, std::ostream* os) { *os << k.nome; }

const comando comando_run = {"--output-dir", "out"};
const comando comando_export = {"export-sources", "--output-dir", "out"};
const comando comando_compile = {"compile", "Roma_linea.txt", "Roma_IC 7-.txt", "--output-dir", "out"};
const comando comando_inspect = {"inspect", "out", "--csv", "out/celle.csv", "--svg", "out/linea.svg"};

const std::string messaggio = "compila_scenario: ";
const std::string attendere = "Attendere\n";  // the run's waiting text, with no display

std::vector<caso> casi() {
  using g = guasto;
  const std::string pieno = ": No space left on device\n";
  const std::string ro = ": Read-only file system\n";
  const std::string senza_out = messaggio + "output directory missing does not exist\n";
  const std::string linea_txt = "out/Verona _Firenze  _linea.txt";
  return {
      {"Run_MissingDirectory", {}, g::nessuno, "", {"--output-dir", "missing"}, senza_out},
      {"Run_OutputIsADirectory", {comando_run}, g::directory, "out/Verona _Firenze  _ EC 85_note.txt", comando_run,
       attendere + messaggio + "cannot write out/Verona _Firenze  _ EC 85_note.txt: is a directory\n"},
      {"Run_DiskFull", {comando_run}, g::disco_pieno, "", comando_run,
       attendere + messaggio + "cannot write " + linea_txt + pieno},
      {"Run_ReadOnly", {comando_run}, g::sola_lettura, "", comando_run,
       attendere + messaggio + "cannot write " + linea_txt + ro},

      {"Export_MissingDirectory", {}, g::nessuno, "", {"export-sources", "--output-dir", "missing"},
       senza_out},
      {"Export_OutputIsADirectory", {comando_export}, g::directory, "out/Verona _Firenze  _ EC 85-.txt",
       comando_export, messaggio + "cannot write out/Verona _Firenze  _ EC 85-.txt: is a directory\n"},
      {"Export_DiskFull", {comando_export}, g::disco_pieno, "", comando_export,
       messaggio + "cannot write " + linea_txt + pieno},
      {"Export_ReadOnly", {comando_export}, g::sola_lettura, "", comando_export,
       messaggio + "cannot write " + linea_txt + ro},

      {"Compile_MissingDirectory", {}, g::nessuno, "",
       {"compile", "Roma_linea.txt", "Roma_IC 7-.txt", "--output-dir", "missing"}, senza_out},
      {"Compile_SourceIsADirectory", {comando_compile}, g::directory, "Roma_IC 7-.txt", comando_compile,
       messaggio + "cannot read Roma_IC 7-.txt: is a directory\n"},
      {"Compile_OutputIsADirectory", {comando_compile}, g::directory, "out/Roma_IC 7.dat", comando_compile,
       messaggio + "cannot write out/Roma_IC 7.dat: is a directory\n"},
      {"Compile_DiskFull", {comando_compile}, g::disco_pieno, "", comando_compile,
       messaggio + "cannot write out/Roma_linea.dat" + pieno},
      {"Compile_ReadOnly", {comando_compile}, g::sola_lettura, "", comando_compile,
       messaggio + "cannot write out/Roma_linea.dat" + ro},

      {"Inspect_MissingDirectory", {}, g::nessuno, "", {"inspect", "missing"},
       messaggio + "directory missing does not exist\n"},
      {"Inspect_OutputInAMissingDirectory", {comando_run}, g::nessuno, "",
       {"inspect", "out", "--csv", "missing/celle.csv"},
       messaggio + "cannot write missing/celle.csv: No such file or directory\n"},
      {"Inspect_OutputIsADirectory", {comando_run, comando_inspect}, g::directory, "out/linea.svg", comando_inspect,
       messaggio + "cannot write out/linea.svg: is a directory\n"},
      {"Inspect_SourceIsADirectory", {comando_run}, g::directory, "out/Verona _Firenze  _linea.dat",
       {"inspect", "out"}, messaggio + "cannot read out/Verona _Firenze  _linea.dat: is a directory\n"},
      {"Inspect_DiskFull", {comando_run, comando_inspect}, g::disco_pieno, "", comando_inspect,
       messaggio + "cannot write out/celle.csv" + pieno},
      {"Inspect_ReadOnly", {comando_run, comando_inspect}, g::sola_lettura, "", comando_inspect,
       messaggio + "cannot write out/celle.csv" + ro},
  };
}

// Writes a file until the device refuses one more byte.
void riempi(const std::string& file) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  ASSERT_GE(fd, 0);
  const std::string blocco(4096, 'f');
  while (::write(fd, blocco.data(), blocco.size()) > 0) {
  }
  while (::write(fd, "f", 1) > 0) {
  }
  ::close(fd);
}

struct programma {
  scratch_dir dir;
  std::string err;

  int esegui(const comando& argomenti) {
    const corsa_programma c = esegui_reale(COMPILA_SCENARIO_EXE, dir.path(), argomenti);
    err = c.err;
    return c.stato;
  }
};

class FileFailureProgram : public ::testing::TestWithParam<caso> {};

TEST_P(FileFailureProgram, StatusFourOneMessageAndNothingChanged) {
  const caso& k = GetParam();
  programma p;
  std::ofstream(p.dir.percorso("Roma_linea.txt"), std::ios::binary)
      << testo_windows1252(righe_descrizione_linea());
  std::ofstream(p.dir.percorso("Roma_IC 7-.txt"), std::ios::binary)
      << testo_windows1252(righe_descrizione_treno());
  std::optional<small_tmpfs> disco;
  if (k.g == guasto::disco_pieno || k.g == guasto::sola_lettura) {
    disco.emplace(p.dir.percorso("out"), 8 << 20);
    if (!disco->montato()) GTEST_SKIP() << "cannot mount a tmpfs here";
  } else {
    fs::create_directory(p.dir.percorso("out"));
  }
  for (const comando& c : k.prima) ASSERT_EQ(p.esegui(c), 0) << p.err;

  switch (k.g) {
    case guasto::nessuno: break;
    case guasto::directory:
      fs::remove(p.dir.percorso(k.bersaglio));
      fs::create_directory(p.dir.percorso(k.bersaglio));
      break;
    case guasto::disco_pieno: riempi(p.dir.percorso("out/filler")); break;
    case guasto::sola_lettura:
      if (!disco->sola_lettura()) GTEST_SKIP() << "cannot remount a tmpfs read-only here";
      break;
  }
  const auto prima = p.dir.istantanea();

  EXPECT_EQ(p.esegui(k.cmd), 4);
  EXPECT_EQ(p.err, k.errori);
  const auto dopo = p.dir.istantanea();
  for (const auto& [nome, contenuto] : prima) {
    auto it = dopo.find(nome);
    EXPECT_TRUE(it != dopo.end() && it->second == contenuto) << nome << " changed";
  }
  for (const auto& [nome, contenuto] : dopo) EXPECT_TRUE(prima.count(nome)) << nome << " is new";
}

INSTANTIATE_TEST_SUITE_P(EveryMode, FileFailureProgram, ::testing::ValuesIn(casi()),
                         [](const ::testing::TestParamInfo<caso>& i) { return i.param.nome; });

}  // namespace
