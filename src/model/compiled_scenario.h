#pragma once

#include <string>

#include "model/cella.h"
#include "model/profilo.h"
#include "model/voce_scenario.h"

namespace compila {

// The three structures of one compiled scenario: what a compile builds, what
// the binary files hold and what inspect reads back from them.
struct scenario_compilato {
  tabella_scenario tabella{};
  array_celle celle;      // empty until a route length is known
  profilo_linea profilo;  // the line drawing; none (no metres) when not built

  bool celle_create() const { return !celle.empty(); }
  bool con_disegno() const { return profilo.ultimo_metro() >= 0; }
  int32_t ultima_cella() const { return static_cast<int32_t>(celle.size()) - 1; }
};

// The three binary files of one scenario.
struct percorsi_binari {
  std::string profilo_linea;  // the line name and "_linea.dat"
  std::string tabella;        // the line and train names and ".sim"
  std::string celle;          // the line and train names and ".dat"
};

}  // namespace compila
