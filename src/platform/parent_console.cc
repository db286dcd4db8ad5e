#include "platform/parent_console.h"

#ifdef _WIN32
#include <windows.h>

#include <cstdio>

namespace compila {

namespace {

// A stream already redirected (a file, a pipe) is kept as it is.
bool conduce_altrove(DWORD quale) {
  HANDLE h = GetStdHandle(quale);
  return h != nullptr && h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_UNKNOWN;
}

}  // namespace

void usa_console_del_genitore() {
  const bool out = conduce_altrove(STD_OUTPUT_HANDLE);
  const bool err = conduce_altrove(STD_ERROR_HANDLE);
  if ((out && err) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
  if (!out && std::freopen("CONOUT$", "w", stdout)) std::setvbuf(stdout, nullptr, _IONBF, 0);
  if (!err && std::freopen("CONOUT$", "w", stderr)) std::setvbuf(stderr, nullptr, _IONBF, 0);
}

}  // namespace compila

#else

namespace compila {

void usa_console_del_genitore() {}

}  // namespace compila

#endif
