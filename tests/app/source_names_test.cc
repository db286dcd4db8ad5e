#include "app/source_names.h"

#include <gtest/gtest.h>

using namespace compila;

TEST(SourceNames, TheNamingRuleReadBackwardsKeepsEveryBlank) {
  nomi_scenario n = nomi_da_sorgenti("dir/Verona _Firenze  _linea.txt",
                                     "altra/Verona _Firenze  _ EC 85-.txt", {}, {});
  EXPECT_EQ(n.linea, "Verona _Firenze  ");
  EXPECT_EQ(n.treno, " EC 85");
}

TEST(SourceNames, OtherFileNamesGiveTheirStem) {
  EXPECT_EQ(nome_linea_da_file("a/linea.txt"), "linea");
  EXPECT_EQ(nome_linea_da_file("_linea.txt"), "_linea");
  EXPECT_EQ(nome_linea_da_file("Roma_linea.TXT"), "Roma_linea");
  EXPECT_EQ(nome_linea_da_file("roma"), "roma");
  // The train's file must start with the line name to be read by the rule;
  // the "-" of "-.txt" is never part of the name.
  EXPECT_EQ(nome_treno_da_file("Roma_IC 1-.txt", "Napoli"), "Roma_IC 1");
  EXPECT_EQ(nome_treno_da_file("Roma_-.txt", "Roma"), "Roma_");
  EXPECT_EQ(nome_treno_da_file("-.txt", "Roma"), "-");
  EXPECT_EQ(nome_treno_da_file("Roma_IC 1.txt", "Roma"), "Roma_IC 1");
  EXPECT_EQ(nome_treno_da_file("x/Roma_IC 1-.txt", "Roma"), "IC 1");
}

TEST(SourceNames, GivenNamesWinAndTheTrainFollowsTheGivenLineName) {
  nomi_scenario n = nomi_da_sorgenti("Roma_linea.txt", "Napoli_R 3-.txt", "Napoli", {});
  EXPECT_EQ(n.linea, "Napoli");
  EXPECT_EQ(n.treno, "R 3");
  n = nomi_da_sorgenti("Roma_linea.txt", "Roma_R 3-.txt", {}, " X ");
  EXPECT_EQ(n.linea, "Roma");
  EXPECT_EQ(n.treno, " X ");
}
