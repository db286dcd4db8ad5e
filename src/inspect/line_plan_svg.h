#pragma once

#include <cstdint>

#include "inspect/summary.h"
#include "inspect/svg_writer.h"

namespace compila {

// The plan of the line drawing, north up, in the page's upper panel: the
// whole line beside a detail of the stretch that turns the most, with the
// tunnels, stations (labelled in the detail and, for the others, in the whole
// line), signals, slowdowns and sign boards marked ("station", "signal",
// "slowdown", "sign-board", with "-detail" in the detail). Without a drawing,
// an empty frame that still holds one mark per station and per signal.
// fine_percorso is the route's end in metres; the drawing goes on past it.
void disegna_pianta(const scenario_compilato& s, const riepilogo& r, int32_t fine_percorso,
                    foglio_svg& f);

}  // namespace compila
