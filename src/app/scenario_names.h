#pragma once

#include <string>

// The names of the built-in scenario; every blank counts (they form the file
// names and the scenario codes).
inline const std::string nome_linea_predefinito = "Verona _Firenze  ";
inline const std::string nome_treno_predefinito = " EC 85";
