#pragma once

#include <filesystem>
#include <string>

#ifdef __linux__
#include <sys/mount.h>
#endif

// A tmpfs of a few kilobytes mounted at a new directory, to fill a device on
// purpose or to make it read-only. Mounting needs root; where it fails,
// montato() is false.
class small_tmpfs {
 public:
  small_tmpfs(const std::string& dove, size_t byte) : dove_(dove) {
    std::filesystem::create_directories(dove_);
#ifdef __linux__
    std::string opzioni = "size=" + std::to_string(byte);
    montato_ = ::mount("tmpfs", dove_.c_str(), "tmpfs", 0, opzioni.c_str()) == 0;
#else
    (void)byte;
#endif
  }
  ~small_tmpfs() {
#ifdef __linux__
    if (montato_) ::umount(dove_.c_str());
#endif
  }
  small_tmpfs(const small_tmpfs&) = delete;
  small_tmpfs& operator=(const small_tmpfs&) = delete;

  bool montato() const { return montato_; }

  // Remounts it read-only, keeping what is on it; false where not permitted.
  bool sola_lettura() {
#ifdef __linux__
    return montato_ &&
           ::mount("tmpfs", dove_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
#else
    return false;
#endif
  }

 private:
  std::string dove_;
  bool montato_ = false;
};
