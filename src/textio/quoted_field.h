#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace compila {

// Fields longer than this are cut where a message quotes them.
inline constexpr size_t campo_citato_massimo = 40;

// A field of a description as a message quotes it for its author: between
// double quotes, Windows-1252 shown as UTF-8, every character that does not
// show (a control character, one of the five bytes the code page leaves
// undefined, a non-breaking space) written as \xNN, and a field longer than
// campo_citato_massimo bytes cut there, with "..." and its length after it:
// "12345...7890..." (64000000 characters).
std::string cita_campo(std::string_view campo);

// The first character of the field that does not show, written as in
// cita_campo; empty when every character shows.
std::string primo_invisibile(std::string_view campo);

}  // namespace compila
