#pragma once

#include <ostream>
#include <string>

#include "inspect/summary.h"

namespace compila {

// The summary as one JSON object (pretty-printed, ending with a newline):
// "route_length_m", "cells", "general" (records 81 to 86 and cell 1 by
// meaning), "stations", "sign_boards", "tunnels" and "point_features".
// Texts are UTF-8.
std::string riepilogo_json(const scenario_compilato& s, const riepilogo& r);

// The same written to `out` as it is made: the tunnels and the point
// features, as many as the cells, are never held whole.
void scrivi_riepilogo_json(const scenario_compilato& s, const riepilogo& r, std::ostream& out);

}  // namespace compila
