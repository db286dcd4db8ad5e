#pragma once

#include "compiler/compilazione.h"
#include "compiler/sorgenti.h"
#include "platform/file_system.h"

// Second half of memorizza_dati: reads the train description, then checks the
// kilometre-marking records. Throws errore_lettura on a failure of the reading.
void leggi_descrizione_treno(compilazione& c, file_system& fs, const sorgenti& s);
