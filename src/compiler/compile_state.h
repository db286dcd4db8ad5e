#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "model/compile_status.h"
#include "model/compiled_scenario.h"

namespace compila {

// Everything one compile owns: the two names, the scenario it builds, the
// compile status and the working values that the readers' halves share.
// Nothing of it lives in globals, so several compiles can run side by side.
struct compilazione : scenario_compilato {
  std::string nome_linea;
  std::string nome_treno;
  int32_t j = 1;  // not 0: build the line drawing

  stato_compilazione stato;

  // Tunnel stretches stored so far.
  int32_t numero_montagne = 0;
  std::array<int32_t, 81> inizi_montagna{};
  std::array<int32_t, 81> fini_montagna{};

  // Next free sign-board record; counts down from 80 and is tested by the
  // train half.
  int32_t prossimo_cartello = 80;

  // Source line of the train description's signal or slowdown on each cell
  // it marked (signal cell, slowdown start and end), so that an anomaly the
  // signal completion meets there can point at the line to change.
  std::map<int32_t, int> righe_treno;

  // Why the train description, read to its end, had no effect at all; empty
  // when it had one (or was not read).
  std::string avviso_treno;
};

}  // namespace compila
