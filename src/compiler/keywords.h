#pragma once

#include <string>
#include <string_view>

#include "textio/field_reader.h"

namespace compila {

// What both readers share: the keyword tests, the reading of an item's
// keyword and what an item leaves the reader to do next.

// Keyword tests are substring tests on the keyword field's bytes, either
// character for character or with both sides in ASCII lower case.
std::string minuscolo(std::string_view testo);
bool contiene(std::string_view campo, std::string_view parola);
bool contiene_ci(std::string_view campo, std::string_view parola);

// Reads the keyword field of the next item; a field holding "-" is a comment
// and is passed over, at most `salti` times in a row. Returns false when the
// field read was the last of the file: the reader never acts on it.
bool leggi_parola_chiave(lettore_campi& campi, int salti, std::string* chiave);

// What an item leaves the reader to do next.
enum class esito_voce {
  prosegui,
  fine_file,  // as if the file had ended: also an item beyond the cells (15)
  interrotta  // a fault: the reading stops here
};

}  // namespace compila
