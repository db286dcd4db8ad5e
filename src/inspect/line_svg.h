#pragma once

#include <string>

#include "inspect/summary.h"

// One SVG picture of the compiled line, two panels:
// - the plan of the line drawing, scaled to fit and north up, with the
//   tunnels, stations (labelled), signals, slowdowns and sign boards marked;
// - the longitudinal profile along the route in kilometres: the elevation
//   found by adding up the cells' gradients, the train's speed limit and the
//   speed boards as steps, tunnels as bands, stations and signals as ticks.
// Every mark carries a class attribute: "station", "signal", "slowdown",
// "sign-board" in the plan, "station-tick" and "signal-tick" in the profile.
std::string disegno_svg(const scenario_compilato& s, const riepilogo& r);

// A text made safe for XML character data and attribute values.
std::string escapa_xml(const std::string& s);
