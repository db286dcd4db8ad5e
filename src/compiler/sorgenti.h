#pragma once

#include <string>

// The two description files a compile reads. The built-in run writes them as
// intermediates and deletes them once read; an author's own files are kept.
struct sorgenti {
  std::string descrizione_linea;
  std::string descrizione_treno;
  bool elimina_dopo_lettura = true;
};
