#include "platform/interface_factory.h"

#include "platform/console_interface.h"
#include "platform/program_directory.h"

#if defined(_WIN32)
#include "platform/win32_interface.h"
#elif defined(COMPILA_FINESTRE_MODULO)
#include <cstdlib>

#include "platform/window_module.h"
#endif

namespace compila {

std::unique_ptr<user_interface> crea_interfaccia(std::ostream& console,
                                                 [[maybe_unused]] const std::string& moduli) {
#if defined(_WIN32)
  return std::make_unique<win32_interface>(console);
#else
#if defined(COMPILA_FINESTRE_MODULO)
  // The window libraries are loaded only when a display is named.
  const char* display = std::getenv("DISPLAY");
  if (display != nullptr && *display != '\0')
    if (auto finestre = apri_modulo_finestre(moduli, display)) return finestre;
#endif
  return std::make_unique<console_interface>(console);
#endif
}

std::unique_ptr<user_interface> crea_interfaccia(std::ostream& console) {
  return crea_interfaccia(console, directory_programma());
}

}  // namespace compila
