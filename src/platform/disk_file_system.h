#pragma once

#include <cstdint>
#include <functional>

#include "platform/file_system.h"

namespace compila {

// The real disk. A replacement writes the new content to a temporary file of
// its own in the same directory ("<target>.<8 hex digits>.tmp"), flushes it to
// the disk and renames it over the target, so the target is either the old
// file or the whole new one, never a short one; a failed replacement removes
// its temporary.
class disk_file_system : public file_system {
 public:
  // The number in a temporary's name comes from `caso`, by default the
  // system's random source.
  explicit disk_file_system(std::function<uint32_t()> caso = nullptr);

  bool esiste(const std::string& percorso) override;
  bool e_directory(const std::string& percorso) override;
  bool leggi(const std::string& percorso, std::string* contenuto, std::string* err) override;
  bool sostituisci(const std::string& percorso, std::string_view contenuto,
                   std::string* err) override;
  bool stesso_file(const std::string& a, const std::string& b) override;
  bool elimina(const std::string& percorso, std::string* err) override;

 private:
  std::function<uint32_t()> caso_;
};

}  // namespace compila
