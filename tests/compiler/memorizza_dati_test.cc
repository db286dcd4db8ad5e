#include "compiler/memorizza_dati.h"

#include <gtest/gtest.h>

#include "compile_fixture.h"
#include "compiler/memorizza_percorso.h"
#include "output/cell_file.h"
#include "output/table_file.h"
#include "sources/line_description.h"
#include "sources/train_description.h"
#include "textio/text_writer.h"

using namespace compila;

namespace {

using B = banco_linea;

// One object compiled again keeps nothing of the compile before but its
// names: a missing line is anomaly 101 with no cells, not the first
// compile's cells stamped over again.
TEST(MemorizzaPercorso, EveryCompileStartsAfresh) {
  const std::string linea = testo_windows1252(righe_descrizione_linea());
  const std::string treno = testo_windows1252(righe_descrizione_treno());
  compilazione c, nuova;
  c.nome_linea = nuova.nome_linea = "L";
  c.nome_treno = nuova.nome_treno = "T";
  memorizza_percorso(c, 1, {linea, treno});
  const esito_compilazione esito = memorizza_percorso(c, 1, {std::nullopt, treno});
  EXPECT_EQ(esito.errore_fatale, 0);
  EXPECT_FALSE(esito.celle_create);
  EXPECT_FALSE(c.con_disegno());
  EXPECT_EQ(c.stato.codice_errore, 101);
  EXPECT_EQ(c.stato.anomalie.size(), 1u);
  EXPECT_EQ(c.tabella[85].testo, "L");

  memorizza_percorso(c, 1, {linea, treno});
  memorizza_percorso(nuova, 1, {linea, treno});
  EXPECT_TRUE(codifica_tabella(c.tabella) == codifica_tabella(nuova.tabella));
  EXPECT_TRUE(codifica_celle(c.celle) == codifica_celle(nuova.celle));
  EXPECT_EQ(c.stato.anomalie.size(), nuova.stato.anomalie.size());
}

TEST(MemorizzaDati, NamesGoIntoRecords85And86EvenWhenNothingIsRead) {
  banco_linea b;
  memorizza_dati(b.c, {std::nullopt, b.treno});
  EXPECT_EQ(b.codice(), 101);
  EXPECT_EQ(b.c.tabella[85].testo, "Verona _Firenze  ");
  EXPECT_EQ(b.c.tabella[86].testo, " EC 85");
}

TEST(MemorizzaDati, FailureOfTheReadingIs25WithBothSourcesDeleted) {
  banco_linea b;
  b.memorizza(B::righe({"[generale]", "lunghezza percorso, 3000", "[x]", "pendenza, 1000, 6a",
                        "[fine]"}));
  EXPECT_EQ(b.codice(), 25);
  EXPECT_EQ(b.posizione(), 0);
  ASSERT_EQ(b.c.stato.anomalie.size(), 1u);
  EXPECT_EQ(b.c.stato.anomalie[0].riga, 4);
  EXPECT_EQ(b.c.stato.anomalie[0].causa,
            "\"6a\" is not a whole number: a numeric field holds digits only, with an optional "
            "leading \"-\"");
  EXPECT_EQ(b.c.stato.anomalie[0].origine, origine_anomalia::descrizione_linea);
  EXPECT_EQ(b.lettura, fine_lettura::linea_fallita);
}

TEST(MemorizzaDati, ReadingPastTheEndIs25) {
  banco_linea b;
  b.memorizza(B::righe({"[generale]", "lunghezza percorso, 3000", "[x]"}) + "montagna, 100");
  EXPECT_EQ(b.codice(), 25);
  EXPECT_EQ(b.lettura, fine_lettura::linea_fallita);
}

TEST(MemorizzaDati, AbsentTrainDescriptionIs25OnceTheLineIsRead) {
  compilazione c;
  const std::string linea = "[generale]\r\nlunghezza percorso, 3000\r\n[fine]\r\n";
  EXPECT_EQ(memorizza_dati(c, {linea, std::nullopt}), fine_lettura::treno_fallito);
  EXPECT_EQ(c.stato.codice_errore, 25);
  EXPECT_EQ(c.stato.anomalie.back().causa, "the train description file does not exist");
  EXPECT_EQ(c.stato.anomalie.back().origine, origine_anomalia::descrizione_treno);
}

// Inputs the description should not hold end as 25, before anything of the
// offending item is written.
TEST(MemorizzaDati, UnplaceableInputIs25) {
  std::string ottantuno, ottantuno_cartelli;
  for (int i = 0; i < 81; ++i) ottantuno += "montagna, " + std::to_string(i * 100) + ", " + std::to_string(i * 100) + ", 1\r\n";
  for (int i = 0; i < 81; ++i) ottantuno_cartelli += "cartello_indicatore, " + std::to_string(i * 100) + ", (T)\r\n";
  const std::string casi[] = {
      B::righe({"[generale]", "sfondo uno, 1", "[x]", "[fine]"}),  // no route length
      B::righe({"[generale]", "lunghezza percorso, -1", "[fine]"}),
      B::righe({"[generale]", "lunghezza percorso, 3000", "[x]"}) + ottantuno + "[fine]\r\n",
      B::con_generale({"montagna, 9000, 10100, 11"}),  // cells past the last one
      B::con_generale({"montagna, -100, 100, 1"}),
      B::con_generale({"montagna, 100, 1000, 300"}),  // code not a byte
      B::con_generale({"indicatori_vmax, 1650, 1639, 80, 90, 0, 35, , , 0"}),
      B::con_generale({"pendenza, 0, 156", "pendenza, 1000, 0"}),
      B::righe({"[generale]", "lunghezza percorso, 5000", "[x]"}) + ottantuno_cartelli + "[fine]\r\n",
  };
  for (const std::string& testo : casi) {
    banco_linea b;
    b.memorizza(testo);
    EXPECT_EQ(b.codice(), 25) << testo;
  }
}

TEST(MemorizzaDati, NothingOfAnUnplaceableItemIsWritten) {
  banco_linea tunnel;
  tunnel.memorizza(B::con_generale({"montagna, 9000, 10100, 11"}));
  for (const cella& cl : tunnel.c.celle) EXPECT_EQ(cl.montagna, 0);

  banco_linea velocita;
  velocita.memorizza(B::con_generale({"indicatori_vmax, 1650, 75, 80, 1639, 0, , , , 0"}));
  EXPECT_EQ(velocita.cl(34), cella{});

  banco_linea senza_lunghezza;
  senza_lunghezza.memorizza(B::righe({"[generale]", "[x]", "pendenza, 0, 1", "[fine]"}));
  EXPECT_FALSE(senza_lunghezza.c.celle_create());
}

TEST(MemorizzaDati, EightyBoardsFillRecords80To1) {
  std::string cartelli;
  for (int i = 0; i < 80; ++i) cartelli += "cartello_indicatore, " + std::to_string(i * 100) + ", (T" + std::to_string(i) + ")\r\n";
  banco_linea b;
  b.memorizza(B::righe({"[generale]", "lunghezza percorso, 5000", "[x]"}) + cartelli + "[fine]\r\n");
  EXPECT_EQ(b.codice(), 0);
  EXPECT_EQ(b.c.tabella[1].testo, "(T79)");
  EXPECT_EQ(b.c.prossimo_cartello, 0);
  EXPECT_EQ(b.c.tabella[0].testo, "");
}

}  // namespace
