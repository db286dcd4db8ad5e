#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "app/command_line.h"
#include "platform/file_system.h"

namespace compila {

// Compiles an author's two sources as `compile` does (the same binary files,
// the same lines on err), serves their page on http://127.0.0.1:PORT/ and
// names it on out, then compiles again whenever either source is saved, and
// the open pages take the new one in place. A compile that gives no new
// scenario leaves the last good one on the page, with what went wrong above
// it; a source that disappears is reported and waited for. Ends on Ctrl-C
// with esito_ok; before serving, esito_errore_file for a missing output
// directory, esito_uso for an output that would replace a source,
// esito_servizio when the server cannot be loaded (from beside
// `directory_programma`) or the port cannot be had.
int esegui_watch(const opzioni_compilazione& o, const opzioni_watch& w,
                 const std::optional<std::string>& directory, file_system& fs,
                 const std::string& directory_programma, std::ostream& out, std::ostream& err);

}  // namespace compila
