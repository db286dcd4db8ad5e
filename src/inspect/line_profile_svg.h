#pragma once

#include <cstdint>

#include "inspect/summary.h"
#include "inspect/svg_writer.h"

namespace compila {

// The longitudinal profile along the route in kilometres, in the page's
// lower panel: the elevation found by adding up the cells' gradients, the
// train's speed limit and the speed boards as steps, the slowdowns, tunnels
// as bands, and signals above and stations below as ticks ("signal-tick",
// "station-tick"), the stations named. fine_percorso is the route's end in
// metres.
void disegna_profilo(const scenario_compilato& s, const riepilogo& r, int32_t fine_percorso,
                     foglio_svg& f);

}  // namespace compila
