#include "platform/interface_factory.h"

#include "platform/console_interface.h"

#if defined(_WIN32)
#include "platform/win32_interface.h"
#elif defined(COMPILA_FLTK)
#include "platform/fltk_interface.h"
#endif

namespace compila {

std::unique_ptr<user_interface> crea_interfaccia(std::ostream& console) {
#if defined(_WIN32)
  return std::make_unique<win32_interface>(console);
#else
#if defined(COMPILA_FLTK)
  if (auto finestre = fltk_interface::apri()) return finestre;
#endif
  return std::make_unique<console_interface>(console);
#endif
}

}  // namespace compila
