#include "app/command_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

using namespace compila;

namespace {

struct analisi {
  opzioni_programma o;
  std::string out;
  std::string err;
};

analisi analizza(std::vector<const char*> argomenti) {
  argomenti.insert(argomenti.begin(), "compila_scenario");
  std::ostringstream out, err;
  analisi a{analizza_riga_comando(static_cast<int>(argomenti.size()), argomenti.data(), out, err),
            "", ""};
  a.out = out.str();
  a.err = err.str();
  return a;
}

}  // namespace

TEST(CommandLine, NoArgumentsIsTheBuiltInRunBesideTheProgram) {
  analisi a = analizza({});
  EXPECT_EQ(a.o.modo, modo_programma::scenario_incorporato);
  EXPECT_FALSE(a.o.directory_uscita.has_value());
  EXPECT_EQ(a.out + a.err, "");
}

TEST(CommandLine, OutputDirBelongsToTheCommandItFollows) {
  EXPECT_EQ(analizza({"--output-dir", "d"}).o.directory_uscita, "d");
  analisi esporta = analizza({"export-sources", "--output-dir", "e"});
  EXPECT_EQ(esporta.o.modo, modo_programma::esporta_sorgenti);
  EXPECT_EQ(esporta.o.directory_uscita, "e");
  EXPECT_FALSE(analizza({"export-sources"}).o.directory_uscita.has_value());
}

TEST(CommandLine, CompileTakesBothFilesAndEveryOption) {
  analisi a = analizza({"compile", "l.txt", "t.txt", "--line-name", " A ", "--train-name", "B",
                        "--output-dir", "out", "--no-profile", "--json", "--html", "p.html"});
  ASSERT_EQ(a.o.modo, modo_programma::compila) << a.err;
  const opzioni_compilazione& c = a.o.compilazione;
  EXPECT_EQ(c.descrizione_linea, "l.txt");
  EXPECT_EQ(c.descrizione_treno, "t.txt");
  EXPECT_EQ(c.nome_linea, " A ");
  EXPECT_EQ(c.nome_treno, "B");
  EXPECT_EQ(a.o.directory_uscita, "out");
  EXPECT_TRUE(c.senza_profilo);
  EXPECT_TRUE(c.json);
  EXPECT_EQ(c.html, "p.html");

  analisi semplice = analizza({"compile", "l.txt", "t.txt"});
  EXPECT_FALSE(semplice.o.compilazione.nome_linea.has_value());
  EXPECT_FALSE(semplice.o.compilazione.senza_profilo);
  EXPECT_FALSE(semplice.o.compilazione.json);
}

TEST(CommandLine, HelpAndVersionGoToStandardOutputWithStatusZero) {
  analisi aiuto = analizza({"--help"});
  EXPECT_EQ(aiuto.o.modo, modo_programma::esci);
  EXPECT_EQ(aiuto.o.esito, 0);
  EXPECT_NE(aiuto.out.find("Usage: compila_scenario"), std::string::npos);
  EXPECT_NE(aiuto.out.find("  3  fatal error 1250 or 1251 (no binary file written)\n"),
            std::string::npos);
  EXPECT_EQ(aiuto.err, "");

  analisi compila = analizza({"compile", "--help"});
  EXPECT_NE(compila.out.find("Usage: compila_scenario compile [OPTIONS] LINE TRAIN"),
            std::string::npos);

  analisi versione = analizza({"--version"});
  EXPECT_EQ(versione.o.modo, modo_programma::esci);
  EXPECT_EQ(versione.o.esito, 0);
  EXPECT_EQ(versione.out.rfind("compila_scenario ", 0), 0u);
}

TEST(CommandLine, UsageErrorsGiveStatusTwoAndAHintOnTheErrorStream) {
  const std::vector<std::vector<const char*>> errati = {
      {"compile", "l.txt"},
      {"compile", "l.txt", "t.txt", "x.txt"},
      {"bogus"},
      {"--frobnicate"},
      {"--output-dir", "d", "compile", "l.txt", "t.txt"},
      {"--output-dir", ""},
      {"compile", "l.txt", "t.txt", "--line-name", ""},
      {"compile", "l.txt", "t.txt", "--train-name", "../x"},
      {"export-sources", "compile", "l.txt", "t.txt"},
      {"inspect", "--csv", ""},
      {"inspect", "--train-name", ""},
      {"--output-dir", "d", "inspect"},
      {"inspect", "a", "b"},
      {"inspect", "--html", ""},
      {"compile", "l.txt", "t.txt", "--html", ""},
      {"watch", "l.txt"},
      {"watch", "l.txt", "t.txt", "--port", "65536"},
      {"watch", "l.txt", "t.txt", "--port", "http"},
      {"watch", "l.txt", "t.txt", "--json"},
  };
  for (const auto& argomenti : errati) {
    analisi a = analizza(argomenti);
    EXPECT_EQ(a.o.modo, modo_programma::esci) << argomenti[0];
    EXPECT_EQ(a.o.esito, esito_uso) << argomenti[0];
    EXPECT_EQ(a.out, "");
    EXPECT_EQ(a.err.rfind("compila_scenario: ", 0), 0u) << a.err;
    EXPECT_NE(a.err.find("Try 'compila_scenario --help' for more information.\n"),
              std::string::npos);
  }
  EXPECT_EQ(analizza({"--output-dir", "d", "compile", "l.txt", "t.txt"}).err,
            "compila_scenario: --output-dir goes after the command it applies to\n"
            "Try 'compila_scenario --help' for more information.\n");
}

TEST(CommandLine, InspectDefaultsToTheBuiltInNamesHere) {
  analisi a = analizza({"inspect"});
  EXPECT_EQ(a.o.modo, modo_programma::ispeziona);
  EXPECT_EQ(a.o.ispezione.directory, ".");
  EXPECT_EQ(a.o.ispezione.nome_linea, "Verona _Firenze  ");
  EXPECT_EQ(a.o.ispezione.nome_treno, " EC 85");
  EXPECT_FALSE(a.o.ispezione.json);
  EXPECT_EQ(a.o.ispezione.csv, "");
  EXPECT_EQ(a.o.ispezione.svg, "");
  EXPECT_EQ(a.out + a.err, "");
}

TEST(CommandLine, InspectEveryOption) {
  analisi a = analizza({"inspect", "out", "--line-name", "L ", "--train-name", " T", "--json",
                        "--csv", "c.csv", "--svg", "d.svg", "--html", "p.html"});
  EXPECT_EQ(a.o.modo, modo_programma::ispeziona);
  EXPECT_EQ(a.o.ispezione.directory, "out");
  EXPECT_EQ(a.o.ispezione.nome_linea, "L ");
  EXPECT_EQ(a.o.ispezione.nome_treno, " T");
  EXPECT_TRUE(a.o.ispezione.json);
  EXPECT_EQ(a.o.ispezione.csv, "c.csv");
  EXPECT_EQ(a.o.ispezione.svg, "d.svg");
  EXPECT_EQ(a.o.ispezione.html, "p.html");
}

TEST(CommandLine, WatchTakesTheSourcesTheirOptionsAndAPort) {
  analisi a = analizza({"watch", "l.txt", "t.txt", "--line-name", "A", "--output-dir", "out",
                        "--no-profile", "--port", "8123"});
  ASSERT_EQ(a.o.modo, modo_programma::osserva) << a.err;
  EXPECT_EQ(a.o.compilazione.descrizione_linea, "l.txt");
  EXPECT_EQ(a.o.compilazione.descrizione_treno, "t.txt");
  EXPECT_EQ(a.o.compilazione.nome_linea, "A");
  EXPECT_TRUE(a.o.compilazione.senza_profilo);
  EXPECT_EQ(a.o.directory_uscita, "out");
  EXPECT_EQ(a.o.osservazione.porta, 8123);
  EXPECT_FALSE(analizza({"watch", "l.txt", "t.txt"}).o.osservazione.porta.has_value());
}
