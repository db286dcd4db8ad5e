#pragma once

#include <optional>
#include <string_view>

namespace compila {

// The two description files of one compile, as their bytes; an absent one is
// a file that does not exist.
struct testi_sorgenti {
  std::optional<std::string_view> descrizione_linea;
  std::optional<std::string_view> descrizione_treno;
};

// How far the reading went. The built-in run, which writes the sources as
// intermediates, deletes the train description unless the line description
// stopped the reading before it.
enum class fine_lettura {
  linea_fermata,  // the line description stopped (no file, or a fault): the train's was not read
  linea_fallita,  // anomaly 25 while reading the line description: the train's was not read
  treno_letto,    // the train description was read, to its end or to a fault of its own
  treno_fallito,  // anomaly 25 while reading the train description (or none was given)
};

}  // namespace compila
