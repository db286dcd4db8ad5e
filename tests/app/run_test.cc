#include "app/run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/file_names.h"
#include "memory_file_system.h"

using namespace compila;

namespace {

const std::string linea = "Verona _Firenze  ";
const std::string treno = " EC 85";

// Records, in one list, what the run showed and wrote, in order.
struct registro {
  std::vector<std::string> eventi;
};

class recording_interface : public user_interface {
 public:
  explicit recording_interface(registro& r) : r_(r) {}
  void mostra_attesa() override { r_.eventi.push_back("attesa"); }
  void mostra_errore(const std::string& testo) override { r_.eventi.push_back("errore" + testo); }

 private:
  registro& r_;
};

class recording_file_system : public memory_file_system {
 public:
  explicit recording_file_system(registro& r) : r_(r) {}
  bool sostituisci_insieme(std::span<const sostituzione> insieme, std::string* err) override {
    for (const sostituzione& s : insieme) r_.eventi.push_back("scrive " + s.percorso);
    return memory_file_system::sostituisci_insieme(insieme, err);
  }

 private:
  registro& r_;
};

struct run_fixture : ::testing::Test {
  registro log;
  recording_file_system fs{log};
  recording_interface ui{log};
  std::ostringstream diagnostica;
  ambiente_esecuzione amb{fs, ui, "/prog", diagnostica};

  std::string percorso(file_scenario f) { return percorso_file("/prog", linea, treno, f); }
};

}  // namespace

TEST_F(run_fixture, WaitingWindowComesFirstThenTheTextFilesInOrder) {
  esegui_scenario(amb);
  ASSERT_GE(log.eventi.size(), 6u);
  EXPECT_EQ(log.eventi[0], "attesa");
  EXPECT_EQ(log.eventi[1], "scrive " + percorso(file_scenario::descrizione_linea));
  EXPECT_EQ(log.eventi[2], "scrive " + percorso(file_scenario::descrizione_treno));
  EXPECT_EQ(log.eventi[3], "scrive " + percorso(file_scenario::note));
  EXPECT_EQ(log.eventi[4], "scrive " + percorso(file_scenario::rallentamenti));
  EXPECT_EQ(log.eventi[5], "scrive " + percorso(file_scenario::scheda_treno));
}

TEST_F(run_fixture, FailedWriteStopsTheRunAndNamesTheFile) {
  fs.fallisce_scrittura.insert(percorso(file_scenario::note));
  EXPECT_EQ(esegui_scenario(amb), esito_errore_file);
  EXPECT_EQ(diagnostica.str(), "compila_scenario: cannot write " +
                                   percorso(file_scenario::note) +
                                   ": No space left on device\n");
  EXPECT_FALSE(fs.esiste(percorso(file_scenario::rallentamenti)));
  EXPECT_FALSE(fs.esiste(percorso(file_scenario::descrizione_linea)));
  EXPECT_FALSE(fs.esiste(percorso(file_scenario::descrizione_treno)));
}

namespace {

// Rewrites the train description on its way to the disk, as an author's
// edit between the writing and the reading would.
class editing_file_system : public memory_file_system {
 public:
  editing_file_system(std::string file, std::string da, std::string a)
      : file_(std::move(file)), da_(std::move(da)), a_(std::move(a)) {}
  bool sostituisci_insieme(std::span<const sostituzione> insieme, std::string* err) override {
    std::vector<sostituzione> modificato(insieme.begin(), insieme.end());
    std::string testo;
    for (sostituzione& s : modificato) {
      if (s.percorso != file_) continue;
      for (std::string_view pezzo : s.pezzi) testo += pezzo;
      testo.replace(testo.find(da_), da_.size(), a_);
      s.pezzi = {testo};
    }
    return memory_file_system::sostituisci_insieme(modificato, err);
  }

 private:
  std::string file_, da_, a_;
};

struct edited_run : ::testing::Test {
  registro log;
  recording_interface ui{log};
  std::ostringstream diagnostica;
  std::string percorso(file_scenario f) { return percorso_file("/prog", linea, treno, f); }
  bool binari_scritti(const memory_file_system& fs) {
    return fs.file.count(percorso(file_scenario::tabella)) ||
           fs.file.count(percorso(file_scenario::celle)) ||
           fs.file.count(percorso(file_scenario::profilo_linea));
  }
};

}  // namespace

TEST_F(edited_run, SignalInCellOneEndsWithTheNumberedBoxAndNoBinaryFile) {
  editing_file_system fs(percorso(file_scenario::descrizione_treno), "[segnali]\r\n",
                         "[segnali]\r\nsegnale,       0,   2, 4, 1,  0, 0,    0,  0,0,0, 0\r\n");
  ambiente_esecuzione amb{fs, ui, "/prog", diagnostica};
  EXPECT_EQ(esegui_scenario(amb), esito_errore_fatale);
  EXPECT_EQ(log.eventi.back(), "errore Errore n. 1250");
  EXPECT_FALSE(binari_scritti(fs));
  EXPECT_TRUE(fs.esiste(percorso(file_scenario::scheda_treno)));
}

TEST_F(edited_run, AnomalyIsReportedAndTheFilesStillWritten) {
  editing_file_system fs(percorso(file_scenario::descrizione_treno), "stazione,    6000,",
                         "stazione,    6030,");
  ambiente_esecuzione amb{fs, ui, "/prog", diagnostica};
  EXPECT_EQ(esegui_scenario(amb), esito_anomalia);
  EXPECT_EQ(diagnostica.str(), "compila_scenario: anomaly 8 at 6030 m\n");
  EXPECT_TRUE(binari_scritti(fs));
  EXPECT_FALSE(fs.esiste(percorso(file_scenario::descrizione_treno)));
}

TEST_F(edited_run, ReaderStoppedBeforeTheCellsWritesNoBinaryFile) {
  editing_file_system fs(percorso(file_scenario::descrizione_linea), "219000", "1000001");
  ambiente_esecuzione amb{fs, ui, "/prog", diagnostica};
  EXPECT_EQ(esegui_scenario(amb), esito_anomalia);
  EXPECT_EQ(diagnostica.str(),
            "compila_scenario: the line description stopped before its route length "
            "(anomaly 1); no binary file written\n");
  EXPECT_FALSE(binari_scritti(fs));
  EXPECT_FALSE(fs.esiste(percorso(file_scenario::descrizione_linea)));
  // The reading stopped before the train description, which stays.
  EXPECT_TRUE(fs.esiste(percorso(file_scenario::descrizione_treno)));
}

// Something else deletes a source between its writing and its reading: the
// run names it and writes no binary file over the earlier ones.
TEST_F(run_fixture, SourceThatVanishesBeforeItIsReadIsNamedAndNothingIsCompiled) {
  for (file_scenario sorgente : {file_scenario::descrizione_linea, file_scenario::descrizione_treno}) {
    SCOPED_TRACE(percorso(sorgente));
    recording_file_system fs{log};
    fs.svanisce_dopo[percorso(sorgente)] = 0;
    std::ostringstream diagnostica;
    ambiente_esecuzione amb{fs, ui, "/prog", diagnostica};
    EXPECT_EQ(esegui_scenario(amb), esito_errore_file);
    EXPECT_EQ(diagnostica.str(), "compila_scenario: cannot read " + percorso(sorgente) +
                                     ": No such file or directory\n");
    EXPECT_FALSE(fs.esiste(percorso(file_scenario::profilo_linea)));
    EXPECT_FALSE(fs.esiste(percorso(file_scenario::tabella)));
    EXPECT_FALSE(fs.esiste(percorso(file_scenario::celle)));
    EXPECT_FALSE(fs.esiste(percorso(file_scenario::descrizione_linea)));
    EXPECT_FALSE(fs.esiste(percorso(file_scenario::descrizione_treno)));
  }
}
