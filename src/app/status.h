#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "platform/file_system.h"

namespace compila {

// Exit statuses of the program.
inline constexpr int esito_ok = 0;
inline constexpr int esito_anomalia = 1;       // the compile recorded an anomaly
inline constexpr int esito_uso = 2;            // a command line the program does not understand
inline constexpr int esito_errore_fatale = 3;  // the numbered message box was shown
inline constexpr int esito_errore_file = 4;    // a file could not be read or written
inline constexpr int esito_servizio = 5;       // watch could not serve the page on its port

// Every message on the error stream begins with the program's name.
inline constexpr const char* prefisso = "compila_scenario: ";

// True for a directory of the system's own programs (/usr and below), where
// no run should leave files.
bool directory_di_sistema(const std::string& directory);

// True when no directory is given or the one given exists; otherwise says so
// on err, naming it.
bool directory_uscita_esiste(file_system& fs, const std::optional<std::string>& directory,
                             std::ostream& err);

}  // namespace compila
