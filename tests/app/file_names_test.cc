#include "app/file_names.h"

#include <gtest/gtest.h>

#include "platform/program_directory.h"

using namespace compila;

TEST(FileNames, BlanksOfTheNamesAreKept) {
  const std::string linea = "Verona _Firenze  ", treno = " EC 85";
  EXPECT_EQ(nome_file(linea, treno, file_scenario::descrizione_linea),
            "Verona _Firenze  _linea.txt");
  EXPECT_EQ(nome_file(linea, treno, file_scenario::descrizione_treno),
            "Verona _Firenze  _ EC 85-.txt");
  EXPECT_EQ(nome_file(linea, treno, file_scenario::note), "Verona _Firenze  _ EC 85_note.txt");
  EXPECT_EQ(nome_file(linea, treno, file_scenario::rallentamenti),
            "Verona _Firenze  _ EC 85_rallentamenti.txt");
  EXPECT_EQ(nome_file(linea, treno, file_scenario::scheda_treno),
            "Verona _Firenze  _ EC 85_scheda_treno.txt");
  EXPECT_EQ(nome_file(linea, treno, file_scenario::profilo_linea), "Verona _Firenze  _linea.dat");
  EXPECT_EQ(nome_file(linea, treno, file_scenario::tabella), "Verona _Firenze  _ EC 85.sim");
  EXPECT_EQ(nome_file(linea, treno, file_scenario::celle), "Verona _Firenze  _ EC 85.dat");
}

TEST(FileNames, NoDoubledSeparator) {
  const std::string s(1, separatore);
  const std::string sim = s + "opt" + s + "sim";
  EXPECT_EQ(percorso_file(sim, "L", "T", file_scenario::tabella), sim + s + "L_T.sim");
  EXPECT_EQ(percorso_file(sim + s, "L", "T", file_scenario::tabella), sim + s + "L_T.sim");
  EXPECT_EQ(percorso_file("", "L", "T", file_scenario::celle), s + "L_T.dat");
}
