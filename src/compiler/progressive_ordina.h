#pragma once

#include "model/voce_scenario.h"

namespace compila {

// Orders the three kilometre-marking sections held in records 81 ("tre"),
// 82 ("due") and 83 ("uno") by start, greatest first, and adds 100 to the
// reference of every section whose flag is 1. Sections that cannot be
// ordered (no single greatest start, or all starts 0 and no reference set)
// become all zero.
void progressive_ordina(tabella_scenario& tabella);

}  // namespace compila
