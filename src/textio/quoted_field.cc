#include "textio/quoted_field.h"

#include <cstdio>

#include "textio/windows1252.h"

namespace compila {

namespace {

bool invisibile(unsigned char c) {
  return c < 0x20 || c == 0x7f || c == 0x81 || c == 0x8d || c == 0x8f || c == 0x90 ||
         c == 0x9d || c == 0xa0;
}

std::string esadecimale(unsigned char c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "\\x%02x", c);
  return buf;
}

}  // namespace

std::string cita_campo(std::string_view campo) {
  const std::string_view mostrato = campo.substr(0, campo_citato_massimo);
  std::string out = "\"";
  size_t visibili = 0;  // start of the run of bytes that show, not yet copied
  for (size_t i = 0; i <= mostrato.size(); ++i) {
    if (i < mostrato.size() && !invisibile(static_cast<unsigned char>(mostrato[i]))) continue;
    out += da_windows1252(mostrato.substr(visibili, i - visibili));
    if (i < mostrato.size()) out += esadecimale(static_cast<unsigned char>(mostrato[i]));
    visibili = i + 1;
  }
  if (mostrato.size() == campo.size()) return out + "\"";
  return out + "...\" (" + std::to_string(campo.size()) + " characters)";
}

std::string primo_invisibile(std::string_view campo) {
  for (char c : campo)
    if (invisibile(static_cast<unsigned char>(c))) return esadecimale(static_cast<unsigned char>(c));
  return {};
}

}  // namespace compila
