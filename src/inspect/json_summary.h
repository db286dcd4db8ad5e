#pragma once

#include <string>

#include "inspect/summary.h"

namespace compila {

// The summary as one JSON object (pretty-printed, ending with a newline):
// "route_length_m", "cells", "general" (records 81 to 86 and cell 1 by
// meaning), "stations", "sign_boards", "tunnels" and "point_features".
// Texts are UTF-8.
std::string riepilogo_json(const scenario_compilato& s, const riepilogo& r);

}  // namespace compila
