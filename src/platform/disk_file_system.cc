#include "platform/disk_file_system.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string motivo(const std::string& percorso, const std::string& ragione) {
  return percorso + ": " + ragione;
}

std::string ragione_errno(int e) { return std::strerror(e); }

std::filesystem::path come_path(const std::string& percorso) {
  return fs::path(std::u8string(percorso.begin(), percorso.end()));
}

// A new file beside the target under a name no entry has yet. O_EXCL never
// opens, nor follows a link to, what is already there: a temporary left by a
// crashed run, a file of the user's, or the temporary of another run writing
// the same target at the same time.
int crea_temporaneo(const std::string& percorso, std::string* temporaneo) {
  std::random_device caso;
  for (int tentativo = 0; tentativo < 100; ++tentativo) {
    char suffisso[16];
    std::snprintf(suffisso, sizeof suffisso, ".%08x.tmp", static_cast<unsigned>(caso()));
    *temporaneo = percorso + suffisso;
    const int fd = ::open(temporaneo->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool scrivi_tutto(int fd, std::string_view contenuto) {
  while (!contenuto.empty()) {
    const ssize_t scritti = ::write(fd, contenuto.data(), contenuto.size());
    if (scritti < 0 && errno == EINTR) continue;
    if (scritti <= 0) {
      if (scritti == 0) errno = ENOSPC;
      return false;
    }
    contenuto.remove_prefix(static_cast<size_t>(scritti));
  }
  return true;
}

}  // namespace

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
  std::FILE* f = std::fopen(percorso.c_str(), "rb");
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

bool disk_file_system::sostituisci(const std::string& percorso, std::string_view contenuto,
                                   std::string* err) {
  // Renaming over a directory or a device would not write the file asked for.
  std::error_code stato;
  fs::file_status tipo = fs::status(come_path(percorso), stato);
  if (fs::is_directory(tipo)) {
    *err = motivo(percorso, "is a directory");
    return false;
  }
  if (fs::exists(tipo) && !fs::is_regular_file(tipo)) {
    *err = motivo(percorso, "is not a regular file");
    return false;
  }
  std::string temporaneo;
  const int fd = crea_temporaneo(percorso, &temporaneo);
  if (fd < 0) {
    *err = motivo(percorso, ragione_errno(errno));
    return false;
  }
  // The data reach the disk before the name does: after a power cut the
  // target is the old file or the new one, never an empty one.
  bool ok = scrivi_tutto(fd, contenuto) && ::fsync(fd) == 0;
  int e = errno;
  if (::close(fd) != 0 && ok) {
    ok = false;
    e = errno;
  }
  if (ok && std::rename(temporaneo.c_str(), percorso.c_str()) != 0) {
    ok = false;
    e = errno;
  }
  if (!ok) {
    ::unlink(temporaneo.c_str());
    *err = motivo(percorso, ragione_errno(e));
  }
  return ok;
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
