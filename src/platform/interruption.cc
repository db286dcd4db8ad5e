#include "platform/interruption.h"

#include <atomic>
#include <csignal>

#ifdef _WIN32
#include <windows.h>
#endif

namespace compila {

namespace {

// The one state a signal handler may touch: it lives here, not in the
// program's structures, because the system calls the handler with nothing.
std::atomic<bool> richiesta{false};

#ifdef _WIN32
BOOL WINAPI gestore(DWORD evento) {
  switch (evento) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
      richiesta = true;
      return TRUE;
    default: return FALSE;
  }
}
#else
void gestore(int) { richiesta = true; }
#endif

}  // namespace

void intercetta_interruzione() {
#ifdef _WIN32
  SetConsoleCtrlHandler(gestore, TRUE);
#else
  struct sigaction sa {};
  sa.sa_handler = gestore;
  sigemptyset(&sa.sa_mask);
  sigaction(SIGINT, &sa, nullptr);
  sigaction(SIGTERM, &sa, nullptr);
#endif
}

bool interruzione_richiesta() { return richiesta; }

}  // namespace compila
