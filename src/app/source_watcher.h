#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/file_identity.h"

namespace compila {

// Tells when an author has saved one of the sources, by looking at the
// files' identities again and again (polling works wherever the files are,
// and sees a file saved in place as well as one written anew and renamed over
// the old one, or deleted and written again). A change counts once two looks
// in a row agree on it, so that a file caught while it is being written is
// not taken for the saved one.
class osservatore_sorgenti {
 public:
  using funzione_identita = std::function<identita_file(const std::string&)>;

  // Looks at the files once: the state the first compile reads.
  osservatore_sorgenti(std::vector<std::string> percorsi, funzione_identita identita);

  // Looks at the files again. True when they have changed since the state
  // last taken (at construction or the last true) and the previous look saw
  // them as they are now; that state is then taken.
  bool cambiate();

  // The files missing in the state last taken.
  std::vector<std::string> mancanti() const;

 private:
  std::vector<identita_file> guarda() const;

  std::vector<std::string> percorsi_;
  funzione_identita identita_;
  std::vector<identita_file> preso_;  // the state the last compile read
  std::vector<identita_file> visto_;  // the previous look
};

}  // namespace compila
