#pragma once

#include <string>
#include <vector>

#include "model/compiled_scenario.h"
#include "platform/file_system.h"

namespace compila {

// Encodes and writes the line profile file (only when the scenario has a
// line drawing), then the scenario table file, then the cell file, each
// replaced whole, adding each file written to *scritti when given. Stops at
// the first failure and returns false with the file's name and the reason in
// *err; the files already written stay. Refuses to write anything when the
// cells were never created.
bool scrivi_file_binari(file_system& fs, const scenario_compilato& s,
                        const percorsi_binari& percorsi, std::string* err,
                        std::vector<std::string>* scritti = nullptr);

}  // namespace compila
