#include "app/source_watcher.h"

#include <utility>

namespace compila {

osservatore_sorgenti::osservatore_sorgenti(std::vector<std::string> percorsi,
                                           funzione_identita identita)
    : percorsi_(std::move(percorsi)), identita_(std::move(identita)) {
  preso_ = visto_ = guarda();
}

std::vector<identita_file> osservatore_sorgenti::guarda() const {
  std::vector<identita_file> stato;
  for (const std::string& p : percorsi_) stato.push_back(identita_(p));
  return stato;
}

bool osservatore_sorgenti::cambiate() {
  std::vector<identita_file> ora = guarda();
  const bool fermo = ora == visto_;
  visto_ = std::move(ora);
  if (!fermo || visto_ == preso_) return false;
  preso_ = visto_;
  return true;
}

std::vector<std::string> osservatore_sorgenti::mancanti() const {
  std::vector<std::string> m;
  for (size_t i = 0; i < percorsi_.size(); ++i)
    if (!preso_[i].esiste) m.push_back(percorsi_[i]);
  return m;
}

}  // namespace compila
