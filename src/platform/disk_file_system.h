#pragma once

#include <cstdint>
#include <functional>

#include "platform/file_system.h"

namespace compila {

// The real disk. A replacement writes each new content to a temporary file of
// its own in the same directory ("<target>.<8 hex digits>.tmp", the target's
// name cut where it is long), flushes them all to the disk and renames them
// over their targets, so that a target is either the old file or the whole
// new one, never a short one; a failed replacement removes its temporaries
// (disk_replacement.h). The lock is directory_lock.h's.
class disk_file_system : public file_system {
 public:
  // The number in a temporary's name comes from `caso`, by default the
  // system's random source.
  explicit disk_file_system(std::function<uint32_t()> caso = nullptr);

  bool esiste(const std::string& percorso) override;
  bool e_directory(const std::string& percorso) override;
  bool leggi(const std::string& percorso, std::string* contenuto, std::string* err) override;
  bool sostituisci_insieme(std::span<const sostituzione> insieme, std::string* err) override;
  bool stesso_file(const std::string& a, const std::string& b) override;
  bool elimina(const std::string& percorso, std::string* err) override;
  std::unique_ptr<blocco_directory> blocca(const std::string& directory,
                                           std::string* err) override;
  bool e_uscita_standard(const std::string& percorso) override;

 private:
  std::function<uint32_t()> caso_;
};

}  // namespace compila
