#pragma once

#include <cstddef>

// Heap bytes in use and the peak since the last reset, counted by the
// benchmark executable's own operator new and delete.
size_t memoria_in_uso();
size_t picco_memoria();
void azzera_picco();
