#pragma once

#include <initializer_list>
#include <string>

#include "compiler/compilazione.h"
#include "compiler/line_reader.h"
#include "compiler/memorizza_dati.h"
#include "compiler/sorgenti.h"
#include "platform/memory_file_system.h"

// A compile reading small line descriptions from memory. The default route of
// 3000 m gives N = 10000 and cells 0 to 200; features pass up to 9900 m.
struct banco_linea {
  memory_file_system fs;
  compilazione c;
  sorgenti s{"linea.txt", "treno.txt", true};

  banco_linea() {
    c.nome_linea = "Verona _Firenze  ";
    c.nome_treno = " EC 85";
    fs.file[s.descrizione_treno] = "[generale]\r\n[fine]\r\n";
  }

  static std::string righe(std::initializer_list<std::string> linee) {
    std::string testo;
    for (const std::string& l : linee) testo += l + "\r\n";
    return testo;
  }

  // A general section with the route length, then the feature lines and "[fine]".
  static std::string con_generale(std::initializer_list<std::string> caratteristiche,
                                  int lunghezza = 3000) {
    std::string testo = righe({"[generale]", "lunghezza percorso,    " + std::to_string(lunghezza),
                               "[curve]"});
    for (const std::string& l : caratteristiche) testo += l + "\r\n";
    return testo + "[fine]\r\n";
  }

  bool leggi(const std::string& testo) {
    fs.file[s.descrizione_linea] = testo;
    return leggi_descrizione_linea(c, fs, s);
  }
  void memorizza(const std::string& testo) {
    fs.file[s.descrizione_linea] = testo;
    memorizza_dati(c, fs, s);
  }

  bool linea_presente() { return fs.esiste(s.descrizione_linea); }
  bool treno_presente() { return fs.esiste(s.descrizione_treno); }
  int32_t codice() const { return c.stato.codice_errore; }
  int32_t posizione() const { return c.stato.posizione_errore; }
  const cella& cl(int i) const { return c.celle.at(static_cast<size_t>(i)); }
};
