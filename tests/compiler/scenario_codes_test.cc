#include "compiler/scenario_codes.h"

#include <gtest/gtest.h>

#include <string>

using namespace compila;

namespace {

tabella_scenario con_nomi(const std::string& linea, const std::string& treno) {
  tabella_scenario t{};
  t[voce::linea].testo = linea;
  t[voce::treno].testo = treno;
  return t;
}

std::string come_testo(const std::array<uint8_t, lunghezza_testo_codice>& codici) {
  return std::string(codici.begin(), codici.end());
}

TEST(ScenarioCodes, BuiltInNames) {
  const tabella_scenario t = con_nomi("Verona _Firenze  ", " EC 85");
  EXPECT_EQ(come_testo(testo_codice(t)), " ec 85verona _firenze  aa");
  EXPECT_EQ(codice_gara_og(t), 2164);
  EXPECT_EQ(codice_gara_st(t), 28957);
}

TEST(ScenarioCodes, EmptyNamesUseTheSuffix) {
  const tabella_scenario t = con_nomi("", "");
  EXPECT_EQ(come_testo(testo_codice(t)), "aabbccddeeffgghhiillmmnno");
  EXPECT_EQ(codice_gara_og(t), 2583);
  EXPECT_EQ(codice_gara_st(t), 34355);
}

TEST(ScenarioCodes, CapitalsAreLoweredAccentedOnesToo) {
  const tabella_scenario base = con_nomi("verona _firenze  ", " ec 85");
  const tabella_scenario alta = con_nomi("VERONA _FIRENZE  ", " EC 85");
  EXPECT_EQ(codice_gara_og(alta), codice_gara_og(base));
  EXPECT_EQ(codice_gara_st(alta), codice_gara_st(base));

  EXPECT_EQ(come_testo(testo_codice(con_nomi("ÀÉÙŸŠ×", "Œ"))).substr(0, 7),
            "\x9C\xE0\xE9\xF9\xFF\x9A\xD7");
}

TEST(ScenarioCodes, OnlyTheFirst25CharactersCount) {
  const std::string treno = "0123456789";
  const tabella_scenario a = con_nomi("abcdefghijklmnoXYZ", treno);
  const tabella_scenario b = con_nomi("abcdefghijklmnoQQQQQQQQ", treno);
  EXPECT_EQ(come_testo(testo_codice(a)), "0123456789abcdefghijklmno");
  EXPECT_EQ(codice_gara_og(a), codice_gara_og(b));
  EXPECT_EQ(codice_gara_st(a), codice_gara_st(b));
}

TEST(ScenarioCodes, TrainNameComesFirst) {
  const tabella_scenario dritto = con_nomi("Verona _Firenze  ", " EC 85");
  const tabella_scenario scambiato = con_nomi(" EC 85", "Verona _Firenze  ");
  EXPECT_EQ(codice_gara_og(scambiato), codice_gara_og(dritto));
  EXPECT_NE(codice_gara_st(scambiato), codice_gara_st(dritto));
}

TEST(ScenarioCodes, CharacterOutsideTheCodePageCountsAsTheReplacement) {
  EXPECT_EQ(come_testo(testo_codice(con_nomi("\u4E2D", ""))), "?aabbccddeeffgghhiillmmnn");
}

// The stamping.

compilazione compilato() {
  compilazione c;
  c.tabella[voce::linea].testo = "Verona _Firenze  ";
  c.tabella[voce::treno].testo = " EC 85";
  c.celle.assign(4521, cella{});
  return c;
}

TEST(Stamping, MarkersAndCodesGoIntoRecord85AndCell1) {
  compilazione c = compilato();
  c.celle[1].tipo_cella = tipo::marcatore_montagna;  // only the values are slots
  ASSERT_EQ(timbra_scenario(c), 0);
  EXPECT_EQ(c.tabella[voce::linea].intero_1, 610);
  EXPECT_EQ(c.tabella[voce::linea].valore_4, 28957);
  EXPECT_EQ(c.celle[1].dato_1, 5121);
  EXPECT_EQ(c.celle[1].dato_2, 2164);

  compilazione atteso = compilato();
  atteso.celle[1] = c.celle[1];
  atteso.tabella[voce::linea] = c.tabella[voce::linea];
  EXPECT_EQ(c.celle, atteso.celle);
  EXPECT_EQ(c.tabella, atteso.tabella);
}

TEST(Stamping, TakenMarkerSlotIs1250AndStampsNothing) {
  compilazione c = compilato();
  c.tabella[voce::linea].intero_1 = 1;
  EXPECT_EQ(timbra_scenario(c), 1250);
  EXPECT_EQ(c.tabella[voce::linea].intero_1, 1);
  EXPECT_EQ(c.celle[1], cella{});

  compilazione d = compilato();
  d.celle[1].dato_1 = 21;  // a signal at 0 m with a first value
  EXPECT_EQ(timbra_scenario(d), 1250);
  EXPECT_EQ(d.tabella[voce::linea].intero_1, 0);
  EXPECT_EQ(d.celle[1].dato_2, 0);
}

TEST(Stamping, TakenCodeSlotIs1251AfterTheMarkers) {
  compilazione c = compilato();
  c.tabella[voce::linea].valore_4 = -5;
  EXPECT_EQ(timbra_scenario(c), 1251);
  EXPECT_EQ(c.tabella[voce::linea].intero_1, 610);
  EXPECT_EQ(c.tabella[voce::linea].valore_4, -5);
  EXPECT_EQ(c.celle[1].dato_2, 0);

  compilazione d = compilato();
  d.celle[1].dato_2 = 7;
  EXPECT_EQ(timbra_scenario(d), 1251);
  EXPECT_EQ(d.celle[1].dato_1, 5121);
  EXPECT_EQ(d.celle[1].dato_2, 7);
  EXPECT_EQ(d.tabella[voce::linea].valore_4, 0);
}

}  // namespace
