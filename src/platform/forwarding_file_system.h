#pragma once

#include "platform/file_system.h"

// Passes every call on to another file system; a subclass overrides only the
// calls it watches.
class forwarding_file_system : public file_system {
 public:
  explicit forwarding_file_system(file_system& fs) : fs_(fs) {}

  bool esiste(const std::string& p) override { return fs_.esiste(p); }
  bool e_directory(const std::string& p) override { return fs_.e_directory(p); }
  bool leggi(const std::string& p, std::string* contenuto, std::string* err) override {
    return fs_.leggi(p, contenuto, err);
  }
  bool sostituisci(const std::string& p, std::string_view contenuto, std::string* err) override {
    return fs_.sostituisci(p, contenuto, err);
  }
  bool stesso_file(const std::string& a, const std::string& b) override {
    return fs_.stesso_file(a, b);
  }
  bool elimina(const std::string& p, std::string* err) override { return fs_.elimina(p, err); }

 private:
  file_system& fs_;
};
