#pragma once

#include <cstdint>
#include <string>

namespace compila {

// What tells one state of a file from the next without reading it: which
// file the name leads to (a file written anew and renamed over the old one is
// another file), its size and the time of its last write. Equal identities
// mean the file was, as far as the system can tell, not saved in between.
struct identita_file {
  bool esiste = false;
  uint64_t volume = 0;  // the device or volume, and the file's number on it
  uint64_t numero = 0;
  int64_t dimensione = 0;
  int64_t scritto = 0;  // last write, in the system's own ticks

  friend bool operator==(const identita_file&, const identita_file&) = default;
};

// The identity of the file the path names now; esiste false when there is
// none, or it cannot be looked at.
identita_file identita(const std::string& percorso);

}  // namespace compila
