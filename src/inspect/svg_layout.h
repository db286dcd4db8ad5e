#pragma once

#include <string>

namespace compila {

// The page of the line drawing, in pixels: the plan above, the profile
// below, both between the same side margins.
inline constexpr double larghezza_pagina = 1600;
inline constexpr double altezza_pagina = 1560;
inline constexpr double margine_sinistro = 80, margine_destro = 80;
inline constexpr double larghezza_pannelli = larghezza_pagina - margine_sinistro - margine_destro;
inline constexpr double pianta_alto = 60, pianta_altezza = 820;
inline constexpr double profilo_alto = 980, profilo_altezza = 420;

// The classes of the page's marks and texts, and their looks.
extern const char* const stile_svg;

// The same rules, each selector within the element `radice` names, for a
// drawing that sits inside a page with styles of its own.
std::string stile_svg_entro(const std::string& radice);

// A step of 1, 2 or 5 times a power of ten giving about `quanti` intervals.
double passo_gradevole(double ampiezza, double quanti);

}  // namespace compila
