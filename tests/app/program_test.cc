#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/program.h"
#include "memory_file_system.h"
#include "platform/console_interface.h"
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

// A disk whose reads fail as the machine can: no memory, or anything else.
template <typename Eccezione>
struct disco_che_cede : compila::memory_file_system {
  bool leggi(const std::string&, std::string*, std::string*) override { throw Eccezione("x"); }
};

struct senza_memoria : std::bad_alloc {
  explicit senza_memoria(const char*) {}
};

template <typename Eccezione>
std::pair<int, std::string> compila_su(disco_che_cede<Eccezione> disco) {
  std::ostringstream out, err;
  compila::piattaforma p{
      disco, [&] { return std::make_unique<compila::console_interface>(err); }, "/prog", out, err};
  const char* argv[] = {"compila_scenario", "compile", "l.txt", "t.txt"};
  return {compila::esegui_programma(4, argv, p), err.str()};
}

}  // namespace

// No failure ends the program by an uncaught exception.
TEST(Program, WhatEscapesACommandIsSaidWithStatusSix) {
  EXPECT_EQ(compila_su(disco_che_cede<senza_memoria>{}),
            std::pair(6, std::string("compila_scenario: out of memory: the files given are larger "
                                     "than this machine can work on\n")));
  EXPECT_EQ(compila_su(disco_che_cede<std::runtime_error>{}),
            std::pair(6, std::string("compila_scenario: unexpected failure: x\n")));
}

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

TEST(Program, DirectoryInTheWayGivesStatusFourAndWritesNoTextFile) {
  programma p;
  fs::create_directory(p.dir.percorso("Verona _Firenze  _ EC 85_rallentamenti.txt"));
  EXPECT_EQ(p.esegui(), 4);
  EXPECT_EQ(p.err, "Attendere\ncompila_scenario: cannot write " +
                            p.dir.percorso("Verona _Firenze  _ EC 85_rallentamenti.txt") +
                            ": is a directory (the files go beside the program: give "
                            "--output-dir DIR to write them elsewhere)\n");
  EXPECT_EQ(p.dir.voci(), (std::vector<std::string>{"Verona _Firenze  _ EC 85_rallentamenti.txt",
                                                     "compila_scenario"}));
}

// A copy of the program without its server module beside it: watch says
// what is missing, with the status of a page that cannot be served.
TEST(Program, WatchWithoutItsServerModuleSaysSoWithStatusFive) {
  programma p;
  ASSERT_EQ(esegui_reale(p.exe, p.dir.path(), {"export-sources"}).stato, 0);
  const corsa_programma c =
      esegui_reale(p.exe, p.dir.path(),
                   {"watch", "Verona _Firenze  _linea.txt", "Verona _Firenze  _ EC 85-.txt"},
                   {30, 0});
  EXPECT_EQ(c.stato, 5);
  EXPECT_EQ(c.err, "compila_scenario: cannot serve the page: the server module "
                   "compila_scenario_server.so cannot be loaded from " +
                       p.dir.path() + " or " + p.dir.path() + "/../lib/compila_scenario\n");
}

// A display whose server accepts the connection and never answers (a socket
// that listens and never reads: the system completes the connection): the
// run gives it a few seconds, then shows its texts on the error stream.
TEST(Program, DisplayThatNeverAnswersFallsBackToTheConsole) {
  const int ascolto = socket(AF_INET, SOCK_STREAM, 0);
  ASSERT_GE(ascolto, 0);
  int display = 90;
  for (sockaddr_in a{}; display < 190; ++display) {
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(6000 + display));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(ascolto, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) break;
  }
  ASSERT_EQ(listen(ascolto, 8), 0);

  scratch_dir uscita;
  const auto inizio = std::chrono::steady_clock::now();
  const corsa_programma c =
      esegui_reale(COMPILA_SCENARIO_EXE, uscita.path(), {"--output-dir", uscita.path()}, {30, 0},
                   {"DISPLAY=127.0.0.1:" + std::to_string(display)});
  const auto secondi = std::chrono::duration_cast<std::chrono::seconds>(
      std::chrono::steady_clock::now() - inizio).count();
  close(ascolto);
  EXPECT_EQ(c.stato, 0) << c.err;
  EXPECT_EQ(c.err, "Attendere\n");
  EXPECT_TRUE(fs::exists(uscita.percorso("Verona _Firenze  _linea.dat")));
  EXPECT_LT(secondi, 20);
}

// The window libraries are loaded by the built-in run alone, and only when a
// display is named; the HTTP server's by watch alone. The dynamic loader's
// own report tells what was loaded.
TEST(Program, OnlyTheModesThatNeedThemLoadTheWindowsOrTheServer) {
  scratch_dir dir;
  ASSERT_EQ(esegui_reale(COMPILA_SCENARIO_EXE, dir.path(), {"--output-dir", "."}).stato, 0);
  ASSERT_EQ(esegui_reale(COMPILA_SCENARIO_EXE, dir.path(), {"export-sources"}).stato, 0);
  auto carica = [&](const std::vector<std::string>& argomenti, std::vector<std::string> nomi) {
    const std::string err = esegui_reale(COMPILA_SCENARIO_EXE, dir.path(), argomenti, {60, 0},
                                         {"DISPLAY=:189", "LD_DEBUG=files"})
                                .err;
    for (const std::string& nome : nomi)
      if (err.find(nome) != std::string::npos) return true;
    return false;
  };
  const std::vector<std::string> finestre{"compila_scenario_finestre", "libfltk", "libX11"};
  const std::vector<std::string> server{"compila_scenario_server", "libcpp-httplib", "libssl"};
  const std::vector<std::vector<std::string>> senza_moduli{
      {"--version"},
      {"--help"},
      {"export-sources", "--output-dir", "e"},
      {"compile", "Verona _Firenze  _linea.txt", "Verona _Firenze  _ EC 85-.txt", "--output-dir",
       "c"},
      {"inspect", "--json"}};
  for (const auto& argomenti : senza_moduli) {
    EXPECT_FALSE(carica(argomenti, finestre)) << argomenti[0];
    EXPECT_FALSE(carica(argomenti, server)) << argomenti[0];
  }
  EXPECT_TRUE(carica({"--output-dir", "."}, finestre));
  EXPECT_FALSE(carica({"--output-dir", "."}, server));
}
