#pragma once

#include <string>
#include <vector>

#include "model/compiled_scenario.h"
#include "platform/file_system.h"

namespace compila {

// Encodes the line profile file (only when the scenario has a line drawing),
// the scenario table file and the cell file, then replaces the three as one
// set, in that order, adding each file written to *scritti when given. On a
// failure returns false with the file's name and the reason in *err, and the
// earlier files stay as they were: never a new line profile beside an old
// table. Refuses to write anything when the cells were never created.
bool scrivi_file_binari(file_system& fs, const scenario_compilato& s,
                        const percorsi_binari& percorsi, std::string* err,
                        std::vector<std::string>* scritti = nullptr);

}  // namespace compila
