#include "app/diagnostics.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace compila;

namespace {

const file_autore file_prova{"l.txt", "t.txt"};

anomalia con_posizione(int32_t codice, int32_t posizione, origine_anomalia origine, int riga) {
  return {static_cast<codice_anomalia>(codice), posizione, origine, riga, {}};
}

anomalia senza_posizione(int32_t codice, origine_anomalia origine, int riga,
                         std::string causa = {}) {
  return {static_cast<codice_anomalia>(codice), std::nullopt, origine, riga, std::move(causa)};
}

}  // namespace

TEST(Diagnostics, WholeLinesNameFileLinePositionAndMessage) {
  EXPECT_EQ(riga_diagnostica(con_posizione(8, 6030, origine_anomalia::descrizione_treno, 17), file_prova),
            "t.txt:17: anomaly 8 at 6030 m: station position 6030 is not a multiple of 50");
  EXPECT_EQ(riga_diagnostica(senza_posizione(102, origine_anomalia::descrizione_linea, 0), file_prova),
            "l.txt: anomaly 102: no \"[generale]\" section before the end of the file");
  EXPECT_EQ(riga_diagnostica(senza_posizione(25, origine_anomalia::descrizione_treno, 56,
                                             "\"x4\" is not a whole number"),
                             file_prova),
            "t.txt:56: anomaly 25: \"x4\" is not a whole number");
  EXPECT_EQ(riga_diagnostica(con_posizione(11, 95650, origine_anomalia::celle, 60), file_prova),
            "t.txt:60: anomaly 11 at 95650 m: the signal in the cell at 95650 m stands before a "
            "slowdown's warning board, but both cells before it are taken: no code change can be "
            "placed for it");
}

TEST(Diagnostics, EachAnomalyPointsAtTheFileToEdit) {
  EXPECT_EQ(file_da_correggere(senza_posizione(3, origine_anomalia::descrizione_linea, 9), file_prova),
            "l.txt");
  // The kilometre-marking sections are checked after the train, but they are
  // written in the line description.
  EXPECT_EQ(file_da_correggere(senza_posizione(2, origine_anomalia::descrizione_treno, 0), file_prova),
            "l.txt");
  EXPECT_EQ(file_da_correggere(con_posizione(12, 100, origine_anomalia::celle, 0), file_prova),
            "t.txt");
  EXPECT_STREQ(nome_origine(origine_anomalia::descrizione_linea), "line");
  EXPECT_STREQ(nome_origine(origine_anomalia::descrizione_treno), "train");
  EXPECT_STREQ(nome_origine(origine_anomalia::celle), "completion");
}

TEST(Diagnostics, EveryCodeOfTheTableHasItsOwnMessage) {
  const int32_t codici[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12,  13,  15,
                            16, 17, 18, 19, 20, 21, 22, 24, 25, 101, 102, 103};
  std::set<std::string> visti;
  for (int32_t codice : codici) {
    const std::string m =
        messaggio_anomalia(con_posizione(codice, 700, origine_anomalia::descrizione_linea, 1));
    EXPECT_NE(m, "anomaly " + std::to_string(codice));
    EXPECT_TRUE(visti.insert(m).second) << codice << ": " << m;
  }
  EXPECT_EQ(messaggio_anomalia(con_posizione(14, 0, origine_anomalia::celle, 0)), "anomaly 14");
}

TEST(Diagnostics, FatalErrorsSayWhichSlotWasNotClear) {
  EXPECT_EQ(messaggio_errore_fatale(1250).rfind("error 1250: track cell 1", 0), 0u);
  EXPECT_EQ(messaggio_errore_fatale(1251).rfind("error 1251: track cell 1", 0), 0u);
}
