#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "app/command_line.h"
#include "platform/file_system.h"

namespace compila {

// Compiles an author's two sources and writes the binary files into the
// directory (the current one when none is given), named by the usual rule.
// The sources are only read. Every anomaly goes to err as one
// "FILE:LINE: anomaly CODE at POS m: MESSAGE" line; with json, one JSON object
// describing the result goes to out. Returns the exit status.
int esegui_compila(const opzioni_compilazione& o, const std::optional<std::string>& directory,
                   file_system& fs, std::ostream& out, std::ostream& err);

}  // namespace compila
