#pragma once

namespace compila {

// On Windows the program is a window program, so that started from Explorer
// it shows only its waiting window, with no console beside it. Started from
// a console, its standard streams that lead nowhere are joined to that
// console, so that every mode prints there. Elsewhere it does nothing.
void usa_console_del_genitore();

}  // namespace compila
