#pragma once

#include <memory>
#include <string>

#include "platform/user_interface.h"

namespace compila {

// The waiting window and the message box from the window module, looked for
// beside the program (`directory`) and then in `directory`/../lib/
// compila_scenario, the place an installed package puts it. Null when the
// module is missing or cannot be loaded, or when the display named cannot be
// opened or does not answer within a few seconds.
std::unique_ptr<user_interface> apri_modulo_finestre(const std::string& directory,
                                                     const char* display);

}  // namespace compila
