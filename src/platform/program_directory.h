#pragma once

#include <string>

namespace compila {

// The directory that holds the running program, without a trailing
// separator (a root directory is reported as the empty string).
std::string directory_programma();

// The separator that joins a directory and a file name on this system.
#ifdef _WIN32
inline constexpr char separatore = '\\';
#else
inline constexpr char separatore = '/';
#endif

}  // namespace compila
