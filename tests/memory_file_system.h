#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace compila {

// Files held in memory: the tests' disk. The directories are only names.
// Paths listed in fallisce_scrittura refuse to be written, as a full disk would; a path in svanisce_dopo is deleted by
// something else once it has been read that many times.
class memory_file_system : public file_system {
 public:
  bool esiste(const std::string& percorso) override { return file.count(percorso) > 0; }
  bool e_directory(const std::string& percorso) override { return directory.count(percorso) > 0; }
  bool leggi(const std::string& percorso, std::string* contenuto, std::string* err) override {
    auto letture = svanisce_dopo.find(percorso);
    if (letture != svanisce_dopo.end() && letture->second-- == 0) file.erase(percorso);
    auto it = file.find(percorso);
    if (it == file.end()) {
      *err = percorso + ": No such file or directory";
      return false;
    }
    *contenuto = it->second;
    return true;
  }
  // All or none, as on the disk.
  bool sostituisci_insieme(std::span<const sostituzione> insieme, std::string* err) override {
    for (const sostituzione& s : insieme) {
      if (!fallisce_scrittura.count(s.percorso)) continue;
      *err = s.percorso + ": No space left on device";
      return false;
    }
    for (const sostituzione& s : insieme) {
      std::string& contenuto = file[s.percorso];
      contenuto.clear();
      for (std::string_view pezzo : s.pezzi) contenuto += pezzo;
    }
    return true;
  }
  // Paths are only names here: one file is one name, however it is spelled.
  bool stesso_file(const std::string& a, const std::string& b) override {
    return std::filesystem::path(a).lexically_normal() ==
               std::filesystem::path(b).lexically_normal() &&
           (esiste(a) || esiste(b));
  }
  bool elimina(const std::string& percorso, std::string*) override {
    file.erase(percorso);
    return true;
  }
  std::unique_ptr<blocco_directory> blocca(const std::string& directory, std::string*) override {
    bloccate.push_back(directory);
    return std::make_unique<blocco_directory>();
  }
  bool e_uscita_standard(const std::string&) override { return false; }

  std::map<std::string, std::string> file;
  std::set<std::string> directory;
  std::set<std::string> fallisce_scrittura;
  std::map<std::string, int> svanisce_dopo;
  std::vector<std::string> bloccate;  // the directories locked, in order
};

}  // namespace compila
