#pragma once

#include <cstddef>
#include <cstdint>

// A libFuzzer mutator for the compile harness's input (a line description, a
// NUL, a train description, optionally a NUL and a flags byte) that works as
// an author edits: on whole lines and on the fields in them. Most calls swap,
// duplicate or delete a line, move a line from one description to the other,
// put a boundary value in place of a number, or change the case of a
// keyword; the rest fall back on libFuzzer's byte mutations.
size_t muta_sorgenti(uint8_t* dati, size_t dimensione, size_t massimo, unsigned int seme);
