#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "platform/file_system.h"

namespace compila {

// Writes the built-in line and train descriptions into the directory (the
// current one when none is given), as templates for authors, and names each
// file written on out, quoted for the shell. Returns the exit status.
int esegui_esporta(const std::optional<std::string>& directory, file_system& fs,
                   std::ostream& out, std::ostream& err);

}  // namespace compila
