#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "compiler/compile_state.h"
#include "compiler/line_reader.h"
#include "compiler/memorizza_dati.h"
#include "sources/line_description.h"
#include "sources/train_description.h"
#include "textio/text_writer.h"

namespace compila {

// A compile reading small line descriptions from memory. The default route of
// 3000 m gives N = 10000 and cells 0 to 200; features pass up to 9900 m.
struct banco_linea {
  compilazione c;
  std::string treno = "[generale]\r\n[fine]\r\n";
  fine_lettura lettura = fine_lettura::linea_fermata;

  banco_linea() {
    c.nome_linea = "Verona _Firenze  ";
    c.nome_treno = " EC 85";
  }

  static std::string righe(std::initializer_list<std::string> linee) {
    std::string testo;
    for (const std::string& l : linee) testo += l + "\r\n";
    return testo;
  }

  // A general section with the route length, then the feature lines and "[fine]".
  static std::string con_generale(std::initializer_list<std::string> caratteristiche,
                                  int lunghezza = 3000) {
    std::string testo = righe({"[generale]", "lunghezza percorso,    " + std::to_string(lunghezza),
                               "[curve]"});
    for (const std::string& l : caratteristiche) testo += l + "\r\n";
    return testo + "[fine]\r\n";
  }

  bool leggi(const std::string& testo) { return leggi_descrizione_linea(c, testo); }
  void memorizza(const std::string& testo) { lettura = memorizza_dati(c, {testo, treno}); }
  int32_t codice() const { return c.stato.codice_errore; }
  int32_t posizione() const { return c.stato.posizione_errore; }
  const cella& cl(int i) const { return c.celle.at(static_cast<size_t>(i)); }
};

// The built-in sources, written as the run writes them and read back once for
// a whole suite: the line alone, or the line and the train.
template <bool ConTreno>
class built_in_compile : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    b_ = new banco_linea;
    if (ConTreno) b_->treno = testo_windows1252(righe_descrizione_treno());
    b_->memorizza(testo_windows1252(righe_descrizione_linea()));
  }
  static void TearDownTestSuite() {
    delete b_;
    b_ = nullptr;
  }
  static const cella& cl(int i) { return b_->cl(i); }
  static const voce_scenario& v(int i) { return b_->c.tabella[static_cast<size_t>(i)]; }
  static inline banco_linea* b_ = nullptr;
};

}  // namespace compila
