#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "program_runner.h"
#include "scratch_dir.h"
#include "sources/line_description.h"
#include "sources/train_description.h"
#include "textio/text_writer.h"

using namespace compila;

// What the program promises about an author's files, tried as a user would:
// a source it did not write is never replaced, an output goes where its path
// leads and keeps its mode, the binary files are replaced as one set, runs in
// one directory take turns, and --json always prints one object.
namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;

const std::string linea_base = "Verona _Firenze  _linea.txt";
const std::string treno_base = "Verona _Firenze  _ EC 85-.txt";
const std::vector<std::string> sei_file = {
    "Verona _Firenze  _ EC 85.dat",          "Verona _Firenze  _ EC 85.sim",
    "Verona _Firenze  _ EC 85_note.txt",     "Verona _Firenze  _ EC 85_rallentamenti.txt",
    "Verona _Firenze  _ EC 85_scheda_treno.txt", "Verona _Firenze  _linea.dat"};

struct banco {
  scratch_dir dir;
  corsa_programma c;

  int esegui(const std::vector<std::string>& argomenti) {
    c = esegui_reale(COMPILA_SCENARIO_EXE, dir.path(), argomenti);
    return c.stato;
  }
  // A shell line, with $P the program.
  int shell(const std::string& riga) {
    c = esegui_reale("/bin/sh", dir.path(),
                     {"-c", "P=" + tra_apici(COMPILA_SCENARIO_EXE) + "; " + riga});
    return c.stato;
  }
  void scrivi(const std::string& nome, const std::string& contenuto) const {
    std::ofstream(dir.percorso(nome), std::ios::binary) << contenuto;
  }
};

// A built-in description's bytes with the first `cerca` replaced by bytes.
std::string modificata(const std::vector<std::string>& righe, const std::string& cerca,
                       const std::string& con) {
  std::string testo = testo_windows1252(righe);
  const size_t at = testo.find(cerca);
  if (at == std::string::npos) ADD_FAILURE() << "no line holds " << cerca;
  return at == std::string::npos ? testo : testo.replace(at, cerca.size(), con);
}

std::string riga_con(const std::string& testo, const std::string& cerca) {
  return std::to_string(std::count(testo.begin(), testo.begin() + testo.find(cerca), '\n') + 1);
}

}  // namespace

// A file under a source's name that is not the built-in source stays as it
// is, and nothing is written; the exported sources, unchanged, are used.
TEST(FileSafetyProgram, TheBuiltInRunNeverReplacesAnAuthorsSource) {
  const struct {
    const char* nome;
    std::string file;  // the source edited; none: left as exported
    const char* genere;
  } casi[] = {
      {"edited line", linea_base, "line description"},
      {"edited train", treno_base, "train description"},
      {"as exported", "", ""},
  };
  for (const auto& k : casi) {
    SCOPED_TRACE(k.nome);
    banco b;
    fs::create_directory(b.dir.percorso("work"));
    ASSERT_EQ(b.esegui({"export-sources", "--output-dir", "work"}), 0) << b.c.err;
    if (!k.file.empty()) b.scrivi("work/" + k.file, b.dir.leggi("work/" + k.file) + "; edited\r\n");
    const auto prima = b.dir.istantanea();
    const int esito = b.esegui({"--output-dir", "work"});
    if (k.file.empty()) {
      EXPECT_EQ(esito, 0) << b.c.err;
      EXPECT_EQ(b.dir.voci(), std::vector<std::string>{"work"});
      std::vector<std::string> file;
      for (const auto& e : fs::directory_iterator(b.dir.percorso("work")))
        file.push_back(e.path().filename().string());
      std::sort(file.begin(), file.end());
      EXPECT_EQ(file, sei_file);
      continue;
    }
    EXPECT_EQ(esito, 4);
    EXPECT_EQ(b.c.err, "Attendere\ncompila_scenario: work/" + k.file +
                           " differs from the built-in " + k.genere +
                           " and is left as it is: compile it with \"compila_scenario compile "
                           "LINE TRAIN\", or move it elsewhere\n");
    EXPECT_EQ(b.dir.istantanea(), prima);
  }
}

// inspect's CSV written to every kind of path: the bytes land where the path
// leads, what stood at the path stays, a replaced file keeps its mode, and
// a name of 250 bytes is no harder than a short one.
TEST(FileSafetyProgram, AnOutputGoesWhereItsPathLeadsAndKeepsItsMode) {
  banco b;
  ASSERT_EQ(b.esegui({"--output-dir", "."}), 0) << b.c.err;
  ASSERT_EQ(b.esegui({"inspect", "--csv", "reference.csv"}), 0) << b.c.err;
  const std::string riepilogo = b.c.out;
  const std::string csv = b.dir.leggi("reference.csv");
  const std::string nome_lungo = std::string(246, 'x') + ".csv";

  struct caso {
    const char* nome;
    std::string percorso;
    std::function<void()> prepara;
    std::string file;  // where the CSV lands; empty: on the standard output
    mode_t modo = 0;   // the mode it keeps, when one is set
  };
  const auto file_con_modo = [&](const std::string& nome, mode_t modo) {
    return [&b, nome, modo] {
      b.scrivi(nome, "old");
      ::chmod(b.dir.percorso(nome).c_str(), modo);
    };
  };
  const caso casi[] = {
      {"a link to a file", "link.csv",
       [&] {
         file_con_modo("real.csv", 0640)();
         fs::create_symlink("real.csv", b.dir.percorso("link.csv"));
       },
       "real.csv", 0640},
      {"-", "-", [] {}, ""},
      {"a link to the standard output", "stdout",
       [&] { fs::create_symlink("/proc/self/fd/1", b.dir.percorso("stdout")); }, ""},
      {"a character device", "/dev/null", [] {}, "/dev/null"},
      {"a read-only file", "ro.csv", file_con_modo("ro.csv", 0444), "ro.csv", 0444},
      {"a private file", "private.csv", file_con_modo("private.csv", 0600), "private.csv", 0600},
      {"a shared file", "shared.csv", file_con_modo("shared.csv", 0664), "shared.csv", 0664},
      {"a name of 250 bytes", nome_lungo, [] {}, nome_lungo},
  };
  for (const caso& k : casi) {
    SCOPED_TRACE(k.nome);
    k.prepara();
    const std::string percorso =
        k.percorso.starts_with('/') ? k.percorso : b.dir.percorso(k.percorso);
    const auto tipo = fs::symlink_status(percorso).type();
    EXPECT_EQ(b.esegui({"inspect", "--csv", k.percorso}), 0) << b.c.err;
    EXPECT_EQ(b.c.err, "");
    if (tipo != fs::file_type::not_found) {
      EXPECT_EQ(fs::symlink_status(percorso).type(), tipo) << "what stood there stays";
    }
    if (k.file.empty()) {
      EXPECT_TRUE(b.c.out == riepilogo + csv);
    } else {
      EXPECT_TRUE(b.c.out == riepilogo);
      if (!k.file.starts_with('/')) {
        EXPECT_TRUE(b.dir.leggi(k.file) == csv);
      }
    }
    if (k.modo != 0) {
      struct stat s;
      ASSERT_EQ(::stat(b.dir.percorso(k.file).c_str(), &s), 0);
      EXPECT_EQ(s.st_mode & 07777, k.modo);
    }
  }
  for (const std::string& nome : b.dir.voci()) EXPECT_FALSE(nome.ends_with(".tmp")) << nome;

  // A FIFO is written to in place, for the reader at its other end (whose
  // pipe holds the whole CSV, so the test reads it once the program is done,
  // and never waits on a program that wrote elsewhere).
  ASSERT_EQ(::mkfifo(b.dir.percorso("fifo").c_str(), 0644), 0);
  const int lettore = ::open(b.dir.percorso("fifo").c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(lettore, 0);
  ASSERT_GE(::fcntl(lettore, F_SETPIPE_SZ, 1 << 20), static_cast<int>(csv.size()));
  EXPECT_EQ(b.esegui({"inspect", "--csv", "fifo"}), 0) << b.c.err;
  std::string letto(csv.size() + 1, '\0');
  const ssize_t n = ::read(lettore, letto.data(), letto.size());
  ::close(lettore);
  letto.resize(n > 0 ? static_cast<size_t>(n) : 0);
  EXPECT_TRUE(letto == csv);
  EXPECT_EQ(fs::symlink_status(b.dir.percorso("fifo")).type(), fs::file_type::fifo);
}

// The three binary files are one set: a failure leaves the earlier set whole,
// and a text too long for its record is the source's fault, found before
// anything is written. Bytes of a source come back as the same bytes.
TEST(FileSafetyProgram, TheBinaryFilesAreReplacedAsOneSet) {
  banco b;
  fs::create_directory(b.dir.percorso("out"));
  b.scrivi("l.txt", testo_windows1252(righe_descrizione_linea()));
  b.scrivi("t.txt", testo_windows1252(righe_descrizione_treno()));
  const std::vector<std::string> compila = {"compile", "l.txt",          "t.txt", "--output-dir",
                                            "out",     "--line-name",    "L",     "--train-name",
                                            "T"};
  ASSERT_EQ(b.esegui(compila), 0) << b.c.err;

  // A different line and train, and a directory where the cells would go.
  b.scrivi("l.txt", modificata(righe_descrizione_linea(), "curvad4,  45200", "curvad3,  45200"));
  b.scrivi("t.txt", modificata(righe_descrizione_treno(), "BUTTAPIETRA", "BUTTAPIETRA NUOVA"));
  fs::remove(b.dir.percorso("out/L_T.dat"));
  fs::create_directory(b.dir.percorso("out/L_T.dat"));
  const auto prima = b.dir.istantanea();
  EXPECT_EQ(b.esegui(compila), 4);
  EXPECT_EQ(b.c.err, "compila_scenario: cannot write out/L_T.dat: is a directory\n");
  EXPECT_TRUE(b.dir.istantanea() == prima) << "the earlier line profile and table stay";
  fs::remove(b.dir.percorso("out/L_T.dat"));

  const std::string lungo(70000, 'A');
  const std::string byte_liberi = "\x81\x8D\x8F\x90\x9D\xC0\x80";
  const std::string treno = modificata(righe_descrizione_treno(), "BUTTAPIETRA", byte_liberi);
  b.scrivi("t.txt", treno);
  ASSERT_EQ(b.esegui(compila), 0) << b.c.err;
  EXPECT_NE(b.dir.leggi("out/L_T.sim").find(byte_liberi), std::string::npos);

  b.scrivi("t.txt", modificata(righe_descrizione_treno(), "BUTTAPIETRA", lungo));
  EXPECT_EQ(b.esegui(compila), 1);
  const std::string riga = riga_con(b.dir.leggi("t.txt"), lungo);
  EXPECT_NE(b.c.err.find("t.txt:" + riga + ": anomaly 25: the station's name is 70000 bytes long"),
            std::string::npos)
      << b.c.err.substr(0, 300);
  EXPECT_EQ(b.esegui({"inspect", "out", "--line-name", "L", "--train-name", "T"}), 0) << b.c.err;
}

// Two built-in runs started together in one directory take turns: both
// succeed and leave what one run alone leaves, and no lock file.
TEST(FileSafetyProgram, ConcurrentRunsInOneDirectoryTakeTurns) {
  banco solo;
  ASSERT_EQ(solo.esegui({"--output-dir", "."}), 0) << solo.c.err;
  const auto atteso = solo.dir.istantanea();
  for (int coppia = 0; coppia < 20; ++coppia) {
    SCOPED_TRACE(coppia);
    banco b;
    ASSERT_EQ(b.shell("($P --output-dir . 2>&1; echo \"a $?\") & "
                      "($P --output-dir . 2>&1; echo \"b $?\") & wait"),
              0);
    EXPECT_NE(b.c.out.find("a 0\n"), std::string::npos) << b.c.out;
    EXPECT_NE(b.c.out.find("b 0\n"), std::string::npos) << b.c.out;
    EXPECT_TRUE(b.dir.istantanea() == atteso);
  }
}

// With --json the standard output carries one object whatever the exit:
// for a usage or file error, the message and the status.
TEST(FileSafetyProgram, JsonAlwaysPrintsOneObject) {
  banco b;
  b.scrivi("l.txt", testo_windows1252(righe_descrizione_linea()));
  b.scrivi("t.txt", testo_windows1252(righe_descrizione_treno()));
  fs::create_directories(b.dir.percorso("out/l_t.sim"));
  const struct {
    std::vector<std::string> argomenti;
    int esito;
  } casi[] = {
      {{"compile", "manca.txt", "t.txt", "--json"}, 4},
      {{"compile", "l.txt", "t.txt", "--output-dir", "out", "--json"}, 4},
      {{"compile", "l.txt", "--json"}, 2},
      {{"inspect", "manca", "--json"}, 4},
      {{"inspect", "--json", "--bogus"}, 2},
  };
  for (const auto& k : casi) {
    SCOPED_TRACE(k.argomenti[0] + " " + k.argomenti[1]);
    EXPECT_EQ(b.esegui(k.argomenti), k.esito);
    const json j = json::parse(b.c.out);
    ASSERT_EQ(j.size(), 2u) << b.c.out;
    EXPECT_EQ(j["exit"], k.esito);
    EXPECT_NE(b.c.err.find("compila_scenario: " + j["error"].get<std::string>() + "\n"),
              std::string::npos)
        << b.c.err;
  }
}

// The "-" of "-.txt" belongs to the naming rule, never to the train's name.
TEST(FileSafetyProgram, AGivenLineNameLeavesTheSuffixDashOut) {
  banco b;
  ASSERT_EQ(b.esegui({"export-sources", "--output-dir", "."}), 0) << b.c.err;
  ASSERT_EQ(b.esegui({"compile", linea_base, treno_base, "--line-name", "X"}), 0) << b.c.err;
  EXPECT_TRUE(fs::exists(b.dir.percorso("X_Verona _Firenze  _ EC 85.sim")));
  EXPECT_TRUE(fs::exists(b.dir.percorso("X_Verona _Firenze  _ EC 85.dat")));
}
