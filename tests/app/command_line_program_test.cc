#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <vector>

#include "compiler/memorizza_percorso.h"
#include "program_runner.h"
#include "scratch_dir.h"
#include "sources/line_description.h"
#include "sources/train_description.h"
#include "textio/text_writer.h"

using namespace compila;

// The program run from a shell in a scratch directory, as an author would:
// export the templates, edit them, compile them.
namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;

const std::string linea_base = "Verona _Firenze  _linea.txt";
const std::string treno_base = "Verona _Firenze  _ EC 85-.txt";

struct autore {
  scratch_dir dir;
  std::string out, err;

  int esegui(const std::vector<std::string>& argomenti) {
    const corsa_programma c = esegui_reale(COMPILA_SCENARIO_EXE, dir.path(), argomenti);
    out = c.out;
    err = c.err;
    return c.stato;
  }

  std::string leggi(const std::string& nome) const {
    std::ifstream in(dir.percorso(nome), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }

  void scrivi(const std::string& nome, const std::string& contenuto) const {
    std::ofstream(dir.percorso(nome), std::ios::binary) << contenuto;
  }
};

// The built-in description with the first line containing `cerca` edited;
// returns that line's number through *riga.
std::string modificata(std::vector<std::string> righe, const std::string& cerca,
                       const std::string& con, int* riga) {
  for (size_t i = 0; i < righe.size(); ++i) {
    const size_t at = righe[i].find(cerca);
    if (at == std::string::npos) continue;
    righe[i].replace(at, cerca.size(), con);
    *riga = static_cast<int>(i) + 1;
    return testo_windows1252(righe);
  }
  ADD_FAILURE() << "no line contains " << cerca;
  return {};
}

// What the compile status holds for the same two sources, compiled in memory.
stato_compilazione stato_atteso(const std::string& linea, const std::string& treno) {
  compilazione c;
  c.nome_linea = "l";
  c.nome_treno = "t";
  memorizza_percorso(c, 1, {linea, treno});
  return c.stato;
}

const char* const segnale_a_3500 = "segnale,    3500,   2, 4, 0,  0, 0,    0,  0,0,0, 0";

// One edit of a built-in description, the anomaly it must raise on the edited
// line (`dopo` lines further on: the completion's anomalies point at the
// signal or slowdown concerned) and the exit status.
struct caso {
  const char* nome;
  bool in_linea;
  std::string cerca;
  std::string con;
  int32_t codice;
  int esito;
  int dopo = 0;
};

std::vector<caso> casi() {
  const std::string s = segnale_a_3500;
  return {
      {"route too long", true, "lunghezza percorso,    219000", "lunghezza percorso, 2000000", 1, 1},
      {"repetition start", true, "codici,    3500", "codici,    3510", 3, 1},
      {"repetition end", true, "209000", "209010", 4, 1},
      {"repetition codes", true, "segnali 4 codici", "segnali codici", 5, 1},
      {"sign board on a taken cell", true, "cartello_indicatore,  45500,", "cartello_indicatore,  2600,", 6, 1},
      {"beyond the cells, line", true, "curvad4,  45200", "curvad4,  225950", 15, 1},
      {"curve without class", true, "curvas3,  1600", "curvas,  1600", 103, 1},
      {"code change on a taken cell", false, "abbattimento,  111800", "abbattimento,  3550", 7, 1},
      {"station off the grid", false, "stazione,    6000,", "stazione,    6030,", 8, 1},
      {"station length", false, "stazione,    6000, 12,  300", "stazione,    6000, 12,  350", 9, 1},
      {"beyond the cells, train", false, "segnale,    4800,", "segnale,    300000,", 15, 1},
      {"signal on a taken cell", false, "segnale,    4800,", "segnale,    3500,", 16, 1},
      {"slowdown board taken, end past the cells", false, "rallentamento,  197400,    50,   500,",
       "rallentamento,   97650,    50, 500000,", 17, 1},
      {"stations too close", false, "stazione,   12000,", "stazione,    6400,", 22, 1},
      {"not a number", false, "segnale,    4800,   2, 4", "segnale,    4800,   2, x4", 25, 1},
      {"signal before a warning board", false, s,
       s + "\r\nsegnale, 95500, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0\r\nsegnale, 95550, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0\r\nsegnale, 95600, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0", 11, 1, 3},
      {"no cell before a slowdown", false, s,
       s + "\r\nsegnale, 97300, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0\r\nsegnale, 97350, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0\r\nsegnale, 97400, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0", 12, 1, -3},
  };
}

}  // namespace

TEST(CommandLineProgram, HelpAndVersionOnStandardOutput) {
  autore a;
  EXPECT_EQ(a.esegui({"--help"}), 0);
  EXPECT_NE(a.out.find("Exit status:"), std::string::npos);
  EXPECT_EQ(a.err, "");
  EXPECT_EQ(a.esegui({"--version"}), 0);
  EXPECT_EQ(a.out, "compila_scenario 0.1.0\n");
  EXPECT_EQ(a.esegui({"compile"}), 2);
  EXPECT_EQ(a.out, "");
  EXPECT_NE(a.err.find("Try 'compila_scenario --help'"), std::string::npos);
}

TEST(CommandLineProgram, ExportedSourcesCompileToTheBuiltInRunsFiles) {
  autore a;
  fs::create_directories(a.dir.percorso("ref"));
  fs::create_directories(a.dir.percorso("out"));
  ASSERT_EQ(a.esegui({"--output-dir", "ref"}), 0) << a.err;
  ASSERT_EQ(a.esegui({"export-sources", "--output-dir", "src"}), 4);  // no such directory yet
  fs::create_directories(a.dir.percorso("src"));
  ASSERT_EQ(a.esegui({"export-sources", "--output-dir", "src"}), 0) << a.err;
  EXPECT_EQ(a.out, "'src/" + linea_base + "'\n'src/" + treno_base + "'\n");
  EXPECT_EQ(a.dir.voci(), (std::vector<std::string>{"out", "ref", "src"}));
  const std::string linea = a.leggi("src/" + linea_base);
  const std::string treno = a.leggi("src/" + treno_base);

  ASSERT_EQ(a.esegui({"compile", "src/" + linea_base, "src/" + treno_base, "--output-dir", "out",
                      "--json"}),
            0)
      << a.err;
  EXPECT_EQ(a.err, "");
  const json j = json::parse(a.out);
  EXPECT_EQ(j["code"], 0);
  EXPECT_EQ(j["fatal"], nullptr);
  EXPECT_EQ(j["anomalies"], json::array());
  const std::vector<std::string> binari = {"Verona _Firenze  _linea.dat",
                                           "Verona _Firenze  _ EC 85.sim",
                                           "Verona _Firenze  _ EC 85.dat"};
  EXPECT_EQ(j["written"], json({"out/" + binari[0], "out/" + binari[1], "out/" + binari[2]}));
  for (const std::string& nome : binari)
    EXPECT_TRUE(a.leggi("out/" + nome) == a.leggi("ref/" + nome)) << nome;
  EXPECT_EQ(a.leggi("src/" + linea_base), linea);
  EXPECT_EQ(a.leggi("src/" + treno_base), treno);
}

TEST(CommandLineProgram, CraftedSourcesReportTheCompileStatusAndTheOffendingLine) {
  for (const caso& k : casi()) {
    SCOPED_TRACE(k.nome);
    autore a;
    int riga = 0;
    const std::string linea = k.in_linea ? modificata(righe_descrizione_linea(), k.cerca, k.con, &riga)
                                         : testo_windows1252(righe_descrizione_linea());
    const std::string treno = k.in_linea ? testo_windows1252(righe_descrizione_treno())
                                         : modificata(righe_descrizione_treno(), k.cerca, k.con, &riga);
    a.scrivi("l.txt", linea);
    a.scrivi("t.txt", treno);

    EXPECT_EQ(a.esegui({"compile", "l.txt", "t.txt", "--json"}), k.esito) << a.err;
    const json j = json::parse(a.out);
    const stato_compilazione atteso = stato_atteso(linea, treno);
    EXPECT_EQ(j["code"], atteso.codice_errore);
    EXPECT_EQ(j["position"], atteso.posizione_errore);
    ASSERT_EQ(j["anomalies"].size(), atteso.anomalie.size());
    bool trovata = false;
    for (size_t i = 0; i < atteso.anomalie.size(); ++i) {
      const anomalia& x = atteso.anomalie[i];
      const json& y = j["anomalies"][i];
      EXPECT_EQ(y["code"], numero(x.codice));
      EXPECT_EQ(y["position"], x.posizione ? json(*x.posizione) : json(nullptr));
      EXPECT_EQ(y["line"], x.riga > 0 ? json(x.riga) : json(nullptr));
      trovata |= numero(x.codice) == k.codice && y["line"] == riga + k.dopo;
    }
    EXPECT_TRUE(trovata) << a.out;
    // One diagnostic line per anomaly, naming the edited file and line.
    const std::string file = k.in_linea || k.codice == 2 ? "l.txt" : "t.txt";
    EXPECT_NE(a.err.find(file + ":" + std::to_string(riga + k.dopo) + ": anomaly " +
                         std::to_string(k.codice)),
              std::string::npos)
        << a.err;
    EXPECT_EQ(a.leggi("l.txt"), linea);
    EXPECT_EQ(a.leggi("t.txt"), treno);
  }
}

TEST(CommandLineProgram, AFatalErrorWritesNoBinaryFile) {
  const std::pair<std::string, int> casi[] = {
      {"segnale,       0,   2, 4, 0,  0, 0,    0,  0,0,0, 0", 1250},
      {"segnale,       0,   2, 0, 4,  0, 0,    0,  0,0,0, 0", 1251},
  };
  for (const auto& [segnale, numero] : casi) {
    autore a;
    int riga = 0;
    a.scrivi("l.txt", testo_windows1252(righe_descrizione_linea()));
    a.scrivi("t.txt", modificata(righe_descrizione_treno(), segnale_a_3500, segnale, &riga));
    EXPECT_EQ(a.esegui({"compile", "l.txt", "t.txt", "--json"}), 3);
    EXPECT_EQ(json::parse(a.out)["fatal"], numero);
    EXPECT_EQ(json::parse(a.out)["written"], json::array());
    EXPECT_NE(a.err.find("compila_scenario: error " + std::to_string(numero)), std::string::npos);
    EXPECT_EQ(a.dir.voci(), (std::vector<std::string>{"l.txt", "t.txt"}));
  }
}

// The other failing file systems, in every mode, are in file_failure_program_test.cc.
TEST(CommandLineProgram, UnreadableSourcesGiveStatusFourAndNameTheFile) {
  autore a;
  a.scrivi("l.txt", testo_windows1252(righe_descrizione_linea()));
  a.scrivi("t.txt", testo_windows1252(righe_descrizione_treno()));

  EXPECT_EQ(a.esegui({"compile", "manca.txt", "t.txt"}), 4);
  EXPECT_EQ(a.err, "compila_scenario: cannot read manca.txt: No such file or directory\n");
  if (geteuid() != 0) {  // root reads any file
    fs::permissions(a.dir.percorso("t.txt"), fs::perms::none);
    EXPECT_EQ(a.esegui({"compile", "l.txt", "t.txt"}), 4);
    EXPECT_EQ(a.err, "compila_scenario: cannot read t.txt: Permission denied\n");
    fs::permissions(a.dir.percorso("t.txt"), fs::perms::owner_all);
  }
  EXPECT_EQ(a.dir.voci(), (std::vector<std::string>{"l.txt", "t.txt"}));
}

TEST(CommandLineProgram, InspectTheBuiltInRunsFiles) {
  autore a;
  ASSERT_EQ(a.esegui({"--output-dir", "."}), 0) << a.err;
  ASSERT_EQ(a.esegui({"inspect", "--csv", "celle.csv", "--svg", "linea.svg"}), 0) << a.err;
  EXPECT_EQ(a.err, "");
  EXPECT_EQ(a.out.rfind("Route length 219000 m; 4521 cells", 0), 0u) << a.out.substr(0, 100);
  EXPECT_NE(a.out.find("Stations (35)"), std::string::npos);
  EXPECT_EQ(a.leggi("celle.csv").rfind("cell,start_m,", 0), 0u);
  EXPECT_EQ(a.leggi("linea.svg").rfind("<?xml", 0), 0u);

  ASSERT_EQ(a.esegui({"inspect", ".", "--json"}), 0) << a.err;
  EXPECT_EQ(json::parse(a.out)["stations"].size(), 35u);

  EXPECT_EQ(a.esegui({"inspect", ".", "--train-name", "EC 86"}), 4);
  EXPECT_EQ(a.err, "compila_scenario: cannot read ./Verona _Firenze  _EC 86.sim: No such file or "
                   "directory\n");
}
