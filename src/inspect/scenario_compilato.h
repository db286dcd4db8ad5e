#pragma once

#include "model/cella.h"
#include "model/profilo.h"
#include "model/voce_scenario.h"

// The three structures of one compiled scenario, as read back from its files.
struct scenario_compilato {
  tabella_scenario tabella{};
  array_celle celle;
  profilo_linea profilo;
};
