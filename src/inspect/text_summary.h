#pragma once

#include <ostream>

#include "inspect/summary.h"

namespace compila {

// The readable summary of a compiled scenario: route, cells, the general
// records 81 to 86 with their meanings, the stations, the sign boards, the
// tunnel stretches and every point feature with its position in metres.
void scrivi_riepilogo(const scenario_compilato& s, const riepilogo& r, std::ostream& out);

}  // namespace compila
