#pragma once

#include "compiler/compile_state.h"
#include "compiler/source_texts.h"

namespace compila {

// Reads the line description, then the train description, into the compile's
// structures. A line description that is absent is anomaly 101; any failure
// of the reading (an absent train description among them) becomes anomaly
// 25 and never escapes. Returns how far the reading went.
fine_lettura memorizza_dati(compilazione& c, const testi_sorgenti& s);

}  // namespace compila
