#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/file_system.h"

// Files held in memory, for tests; the directories are only names. Paths listed in fallisce_scrittura refuse
// to be written, as a full disk would.
class memory_file_system : public file_system {
 public:
  bool esiste(const std::string& percorso) override { return file.count(percorso) > 0; }
  bool e_directory(const std::string& percorso) override { return directory.count(percorso) > 0; }
  bool leggi(const std::string& percorso, std::string* contenuto, std::string* err) override {
    auto it = file.find(percorso);
    if (it == file.end()) {
      *err = percorso + ": No such file or directory";
      return false;
    }
    *contenuto = it->second;
    return true;
  }
  bool sostituisci(const std::string& percorso, std::string_view contenuto,
                   std::string* err) override {
    if (fallisce_scrittura.count(percorso)) {
      *err = percorso + ": No space left on device";
      return false;
    }
    file[percorso] = std::string(contenuto);
    return true;
  }
  bool elimina(const std::string& percorso, std::string*) override {
    file.erase(percorso);
    return true;
  }

  std::map<std::string, std::string> file;
  std::set<std::string> directory;
  std::set<std::string> fallisce_scrittura;
};
