#include "platform/disk_file_system.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>
#include <utility>

#include "platform/directory_lock.h"
#include "platform/disk_replacement.h"

#ifdef _WIN32
#include "platform/win32_text.h"
#else
#include <unistd.h>
#endif

namespace compila {

namespace fs = std::filesystem;

namespace {

std::string motivo(const std::string& percorso, const std::string& ragione) {
  return percorso + ": " + ragione;
}

std::string ragione_errno(int e) { return std::strerror(e); }

std::filesystem::path come_path(const std::string& percorso) {
  return fs::path(std::u8string(percorso.begin(), percorso.end()));
}

// Paths are UTF-8; Windows opens files by their UTF-16 names, every blank
// kept.
std::FILE* apri_lettura(const std::string& percorso) {
#ifdef _WIN32
  return _wfopen(in_utf16(percorso).c_str(), L"rb");
#else
  return std::fopen(percorso.c_str(), "rb");
#endif
}

}  // namespace

disk_file_system::disk_file_system(std::function<uint32_t()> caso) : caso_(std::move(caso)) {
  if (!caso_) caso_ = [dispositivo = std::make_shared<std::random_device>()] {
    return static_cast<uint32_t>((*dispositivo)());
  };
}

bool disk_file_system::esiste(const std::string& percorso) {
  std::error_code ec;
  return fs::is_regular_file(come_path(percorso), ec);
}

bool disk_file_system::e_directory(const std::string& percorso) {
  std::error_code ec;
  return fs::is_directory(come_path(percorso), ec);
}

bool disk_file_system::leggi(const std::string& percorso, std::string* contenuto,
                             std::string* err) {
  std::error_code ec;
  if (fs::is_directory(come_path(percorso), ec)) {
    *err = motivo(percorso, "is a directory");
    return false;
  }
  std::FILE* f = apri_lettura(percorso);
  if (!f) {
    *err = motivo(percorso, ragione_errno(errno));
    return false;
  }
  contenuto->clear();
  char buffer[1 << 16];
  size_t letti;
  while ((letti = std::fread(buffer, 1, sizeof buffer, f)) > 0) contenuto->append(buffer, letti);
  bool ok = !std::ferror(f);
  int e = errno;
  std::fclose(f);
  if (!ok) {
    *err = motivo(percorso, ragione_errno(e));
    return false;
  }
  return true;
}

bool disk_file_system::sostituisci_insieme(std::span<const sostituzione> insieme,
                                           std::string* err) {
  return sostituisci_su_disco(insieme, caso_, err);
}

bool disk_file_system::stesso_file(const std::string& a, const std::string& b) {
  std::error_code ec;
  return fs::equivalent(come_path(a), come_path(b), ec) && !ec;
}

bool disk_file_system::elimina(const std::string& percorso, std::string* err) {
  std::error_code ec;
  fs::remove(come_path(percorso), ec);
  if (ec && ec != std::errc::no_such_file_or_directory) {
    *err = motivo(percorso, ec.message());
    return false;
  }
  return true;
}

std::unique_ptr<blocco_directory> disk_file_system::blocca(const std::string& directory,
                                                          std::string* err) {
  return blocca_su_disco(directory, err);
}

bool disk_file_system::e_uscita_standard(const std::string& percorso) {
#ifdef _WIN32
  (void)percorso;
  return false;
#else
  struct stat uscita, file;
  return ::fstat(STDOUT_FILENO, &uscita) == 0 && ::stat(percorso.c_str(), &file) == 0 &&
         uscita.st_dev == file.st_dev && uscita.st_ino == file.st_ino;
#endif
}

}  // namespace compila
