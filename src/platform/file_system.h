#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace compila {

// The most the program reads of one file. A line description for the longest
// route the compiler accepts, with every feature, and the largest file a
// compile writes are a few MB; a larger file, or a device or pipe that never
// ends, is refused before it is read whole, so no input can take the
// program's memory.
inline constexpr uint64_t lettura_massima = uint64_t{64} << 20;  // 64 MiB
inline constexpr const char* oltre_lettura_massima =
    "larger than 64 MiB, the most this program reads (a description or a compiled file is a "
    "few MB at most)";

// What the program needs of the files beside it. Contents are raw bytes.
// Every operation that can fail returns false and puts the file's name and
// the system's reason into *err.
class file_system {
 public:
  virtual ~file_system() = default;

  virtual bool esiste(const std::string& percorso) = 0;
  // True when the path names an existing directory.
  virtual bool e_directory(const std::string& percorso) = 0;
  // The whole file; one larger than lettura_massima is refused, with
  // oltre_lettura_massima as the reason.
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
