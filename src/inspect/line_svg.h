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

// The longitudinal profile alone, to sit inside an HTML page: no title, no
// plan, no XML declaration, no fixed size. Its root, id "profile-svg", tells
// how the profile maps metres: data-x0 and data-x1 are the x of metre 0 and
// of metre data-route-m (the route's end), data-y0 and data-y1 the top and
// bottom of its frame. Its style applies within it alone.
std::string profilo_svg(const scenario_compilato& s, const riepilogo& r);

}  // namespace compila
