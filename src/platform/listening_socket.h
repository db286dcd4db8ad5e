#pragma once

#include <cstdint>

namespace compila {

// Options for a socket about to listen on a port of this machine: the port
// may be taken again at once after an earlier run ended, but never while
// another program listens on it (no two programs sharing one port, which
// some systems allow when asked). `socket` is the system's handle.
void prepara_ascolto(uintptr_t socket);

}  // namespace compila
