#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace compila {

// One file of a set to replace: its path and its new bytes, the pieces
// written one after the other, so that a large buffer is written where it
// lies, without a copy.
struct sostituzione {
  std::string percorso;
  std::vector<std::string_view> pezzi;
};

// The advisory lock of one directory, held until the object is destroyed.
// Every run that writes into a directory takes it first, so that two runs
// there never interleave their files.
class blocco_directory {
 public:
  virtual ~blocco_directory() = default;
};

// What the program needs of the files beside it. Contents are raw bytes.
// Every operation that can fail returns false and puts the file's name and
// the system's reason into *err.
class file_system {
 public:
  virtual ~file_system() = default;

  // True when the path names an existing regular file (through links).
  virtual bool esiste(const std::string& percorso) = 0;
  // True when the path names an existing directory.
  virtual bool e_directory(const std::string& percorso) = 0;
  virtual bool leggi(const std::string& percorso, std::string* contenuto, std::string* err) = 0;
  // Replaces every file of the set whole, or, when anything fails before the
  // new files take their names, none: the earlier files stay as they were.
  // A path that is a link is written through to the file it leads to; a
  // device, a FIFO or a socket is written to in place. A file replaced keeps
  // its permissions.
  virtual bool sostituisci_insieme(std::span<const sostituzione> insieme, std::string* err) = 0;
  // True when both paths name one existing file, however they are written.
  virtual bool stesso_file(const std::string& a, const std::string& b) = 0;
  // Deleting a file that does not exist is not an error.
  virtual bool elimina(const std::string& percorso, std::string* err) = 0;
  // Waits for the directory's lock and takes it; null, with the reason in
  // *err, when it cannot be had.
  virtual std::unique_ptr<blocco_directory> blocca(const std::string& directory,
                                                   std::string* err) = 0;
  // True when the path names the program's own standard output.
  virtual bool e_uscita_standard(const std::string& percorso) = 0;

  // A set of one.
  bool sostituisci(const std::string& percorso, std::string_view contenuto, std::string* err) {
    const sostituzione s{percorso, {contenuto}};
    return sostituisci_insieme({&s, 1}, err);
  }
};

}  // namespace compila
