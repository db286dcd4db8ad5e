#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "platform/user_interface.h"

namespace compila {

// The waiting window and the message box of this system when it has a
// display to show them on; otherwise both texts go to `console`.
// On Linux the windows are a module loaded only then, from the program's
// own directory.
std::unique_ptr<user_interface> crea_interfaccia(std::ostream& console);
// The same with the window module looked for in `moduli`.
std::unique_ptr<user_interface> crea_interfaccia(std::ostream& console, const std::string& moduli);

}  // namespace compila
