#pragma once

#include <string>
#include <string_view>

namespace compila {

// What the program needs of the files beside it. Contents are raw bytes.
// Every operation that can fail returns false and puts the file's name and
// the system's reason into *err.
class file_system {
 public:
  virtual ~file_system() = default;

  virtual bool esiste(const std::string& percorso) = 0;
  // True when the path names an existing directory.
  virtual bool e_directory(const std::string& percorso) = 0;
  virtual bool leggi(const std::string& percorso, std::string* contenuto, std::string* err) = 0;
  // Replaces the file whole. A failed write leaves the earlier file intact.
  virtual bool sostituisci(const std::string& percorso, std::string_view contenuto,
                           std::string* err) = 0;
  // True when both paths name one existing file, however they are written.
  virtual bool stesso_file(const std::string& a, const std::string& b) = 0;
  // Deleting a file that does not exist is not an error.
  virtual bool elimina(const std::string& percorso, std::string* err) = 0;
};

}  // namespace compila
