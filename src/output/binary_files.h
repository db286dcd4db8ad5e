#pragma once

#include <string>

#include "compiler/compilazione.h"
#include "platform/file_system.h"

// Where the three binary files go.
struct percorsi_binari {
  std::string profilo_linea;  // the line name and "_linea.dat"
  std::string tabella;        // the line and train names and ".sim"
  std::string celle;          // the line and train names and ".dat"
};

// Writes the line profile file (only when c.j is not 0 and the drawing
// exists), then the scenario table file, then the cell file, each replaced
// whole. Stops at the first failure and returns false with the file's name and
// the reason in *err; the files already written stay. Refuses to write
// anything when the cells were never created.
bool scrivi_file_binari(file_system& fs, const compilazione& c, const percorsi_binari& percorsi,
                        std::string* err);
