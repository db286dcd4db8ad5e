#pragma once

#include <string>

#include "inspect/summary.h"
#include "inspect/svg_writer.h"

namespace compila {

// One SVG picture of the compiled line: a title, the plan of the line drawing
// (line_plan_svg.h) and the longitudinal profile (line_profile_svg.h). Every
// mark carries a class attribute: "station", "signal", "slowdown",
// "sign-board" in the plan, "station-tick" and "signal-tick" in the profile.
std::string disegno_svg(const scenario_compilato& s, const riepilogo& r);

}  // namespace compila
