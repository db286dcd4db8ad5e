#pragma once

#include <string>

#include "inspect/compile_report.h"
#include "model/compiled_scenario.h"

namespace compila {

// The scenario page: one self-contained HTML file (its style, script, the
// profile drawing and the data inside it; no request to make) that draws the
// plan with pan and zoom, the profile, the values of what is pointed at, the
// tables of stations and point features, and the compile's anomalies when a
// compile is given. Without a scenario (nullptr: no compile has given one
// yet) the page shows the compile alone.
std::string pagina_scenario(const scenario_compilato* s, const resoconto_compilazione* c);

}  // namespace compila
