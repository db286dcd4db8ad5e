#pragma once

#include <string_view>

namespace compila {

// The bytes of documents/golden/<name>.txt, built into the tests.
extern const std::string_view atteso_note;
extern const std::string_view atteso_rallentamenti;
extern const std::string_view atteso_scheda_treno;

}  // namespace compila
