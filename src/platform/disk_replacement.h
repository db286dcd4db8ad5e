#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>

#include "platform/file_system.h"

namespace compila {

// Replaces a set of files on the disk, all or none, in three steps:
//  1. each new content goes to a temporary file of its own, created beside
//     its target under a name no entry has yet (`caso` gives the number in
//     it; the name is cut where the target's name is long, so it fits);
//  2. every temporary reaches the disk, each synced on a thread of its own,
//     since a busy disk takes the syncs side by side;
//  3. only then do they take their targets' names, one rename each, in the
//     set's order.
// A failure in steps 1 and 2 removes every temporary and leaves every target
// as it was. A rename that fails in step 3 (a mount over the target) leaves
// the files renamed before it new and the others as they were.
// A target that is a link is written through to the file the link leads to,
// replaced in its own directory; a device, a FIFO or a socket is opened and
// written to in place, in its turn in step 3; a directory is refused. A file
// replaced keeps its permissions (and, where allowed, its owner); a new one
// gets the usual ones under the umask.
bool sostituisci_su_disco(std::span<const sostituzione> insieme,
                          const std::function<uint32_t()>& caso, std::string* err);

}  // namespace compila
