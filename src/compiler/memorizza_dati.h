#pragma once

#include "compiler/compilazione.h"
#include "compiler/sorgenti.h"
#include "platform/file_system.h"

// Reads the line description, then the train description, into the compile's
// structures. Any failure of the reading becomes anomaly 25, with both
// sources deleted; it never escapes.
void memorizza_dati(compilazione& c, file_system& fs, const sorgenti& s);
