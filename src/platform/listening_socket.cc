#include "platform/listening_socket.h"

#ifdef _WIN32
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

namespace compila {

void prepara_ascolto(uintptr_t socket) {
  int si = 1;
#ifdef _WIN32
  // Windows lets a port be bound again after its program ended anyway; it
  // is another program binding it at the same time that needs refusing.
  setsockopt(static_cast<SOCKET>(socket), SOL_SOCKET, SO_EXCLUSIVEADDRUSE,
             reinterpret_cast<const char*>(&si), sizeof si);
#else
  setsockopt(static_cast<int>(socket), SOL_SOCKET, SO_REUSEADDR, &si, sizeof si);
#endif
}

}  // namespace compila
