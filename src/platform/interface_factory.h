#pragma once

#include <memory>
#include <ostream>

#include "platform/user_interface.h"

namespace compila {

// The waiting window and the message box of this system when it has a
// display to show them on; otherwise both texts go to `console`.
std::unique_ptr<user_interface> crea_interfaccia(std::ostream& console);

}  // namespace compila
