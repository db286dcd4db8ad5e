#pragma once

#include <string>

#include "model/compiled_scenario.h"

namespace compila {

// Checks that the structures read back from one scenario's three files belong
// together: the table records a route length above 0, and the cells and the
// line drawing (when there is one) reach 7000 m past the route's end, as the
// compile makes them. Files of another scenario or of another kind do not.
// Returns false with one message naming the file that does not fit in *err,
// the files named as in `nomi`.
bool controlla_coerenza(const scenario_compilato& s, const percorsi_binari& nomi,
                        std::string* err);

// The route length the table records, when a compile can have written it
// (above 0 and at most 1000000 m); otherwise false, with a message naming
// the table in *err. The sizes of the other two files follow from it, so it
// is checked before they are read.
bool controlla_lunghezza(const tabella_scenario& tabella, const std::string& nome_tabella,
                         std::string* err);

}  // namespace compila
