#pragma once

#include <memory>
#include <string>

#include "platform/file_system.h"

namespace compila {

// The lock file in a directory that runs writing there take turns on.
inline constexpr const char* nome_file_blocco = ".compila_scenario.lock";

// Waits for the lock of `directory` and takes it: an advisory lock on the
// lock file (flock on Linux, LockFileEx on Windows), made when missing.
// The holder removes the file when it lets go, so a directory keeps no lock
// file once its runs are over; a run that was killed leaves one, which the
// next run takes over and removes. A file taken at a path that another
// holder has just removed is let go and the path tried again, so two holders
// never hold two different files.
// Where the program may make no file in the directory (read-only, no
// permission), it cannot write there either: the lock counts as taken, and
// the first write says why it fails. Null, with the reason in *err, when the
// lock cannot be had otherwise.
std::unique_ptr<blocco_directory> blocca_su_disco(const std::string& directory, std::string* err);

}  // namespace compila
