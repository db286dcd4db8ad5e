#include "platform/disk_file_system.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <random>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include "platform/win32_text.h"
#else
#include <sys/stat.h>
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

// Paths are UTF-8; Windows opens and renames files by their UTF-16 names,
// every blank kept. These few calls are all that differ between the systems.
std::FILE* apri_lettura(const std::string& percorso) {
#ifdef _WIN32
  return _wfopen(in_utf16(percorso).c_str(), L"rb");
#else
  return std::fopen(percorso.c_str(), "rb");
#endif
}

// The size of an open regular file; none for a device, a pipe or a socket,
// whose size says nothing of what a read gives.
std::optional<uint64_t> dimensione_file(std::FILE* f) {
#ifdef _WIN32
  struct _stat64 st;
  if (_fstat64(_fileno(f), &st) != 0 || (st.st_mode & _S_IFMT) != _S_IFREG) return std::nullopt;
#else
  struct stat st;
  if (::fstat(::fileno(f), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
#endif
  return static_cast<uint64_t>(st.st_size);
}

// Creates the file; fails with EEXIST when any entry of that name exists,
// which it neither opens nor follows.
int crea_esclusivo(const std::string& percorso) {
#ifdef _WIN32
  return _wopen(in_utf16(percorso).c_str(),
                _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
#else
  return ::open(percorso.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
#endif
}

bool scrivi_tutto(int fd, std::string_view contenuto) {
  while (!contenuto.empty()) {
#ifdef _WIN32
    const int parte =
        contenuto.size() > (1u << 30) ? (1 << 30) : static_cast<int>(contenuto.size());
    const auto scritti = _write(fd, contenuto.data(), static_cast<unsigned>(parte));
#else
    const ssize_t scritti = ::write(fd, contenuto.data(), contenuto.size());
#endif
    if (scritti < 0 && errno == EINTR) continue;
    if (scritti <= 0) {
      if (scritti == 0) errno = ENOSPC;
      return false;
    }
    contenuto.remove_prefix(static_cast<size_t>(scritti));
  }
  return true;
}

bool sincronizza(int fd) {
#ifdef _WIN32
  return _commit(fd) == 0;
#else
  return ::fsync(fd) == 0;
#endif
}

bool chiudi(int fd) {
#ifdef _WIN32
  return _close(fd) == 0;
#else
  return ::close(fd) == 0;
#endif
}

// A new file beside the target under a name no entry has yet: never a
// temporary left by a crashed run, a file of the user's, a link, or the
// temporary of another run writing the same target at the same time.
int crea_temporaneo(const std::string& percorso, const std::function<uint32_t()>& caso,
                    std::string* temporaneo) {
  for (int tentativo = 0; tentativo < 100; ++tentativo) {
    char suffisso[16];
    std::snprintf(suffisso, sizeof suffisso, ".%08x.tmp", static_cast<unsigned>(caso()));
    *temporaneo = percorso + suffisso;
    const int fd = crea_esclusivo(*temporaneo);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Puts `temporaneo` in the place of `percorso` in one step; an earlier file
// of that name is replaced.
bool rinomina_sopra(const std::string& temporaneo, const std::string& percorso,
                    std::string* ragione) {
#ifdef _WIN32
  if (MoveFileExW(in_utf16(temporaneo).c_str(), in_utf16(percorso).c_str(),
                  MOVEFILE_REPLACE_EXISTING))
    return true;
  *ragione = messaggio_sistema(GetLastError());
  return false;
#else
  if (std::rename(temporaneo.c_str(), percorso.c_str()) == 0) return true;
  *ragione = ragione_errno(errno);
  return false;
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
  // A file that says it is too large is refused unread; a device or a pipe
  // tells no size and is read up to one byte past the limit.
  const std::optional<uint64_t> dimensione = dimensione_file(f);
  std::string letto;
  bool ok = !dimensione || *dimensione <= lettura_massima;
  if (ok && dimensione) letto.reserve(static_cast<size_t>(*dimensione));
  char buffer[1 << 16];
  size_t letti = 0;
  while (ok && letto.size() <= lettura_massima &&
         (letti = std::fread(buffer, 1, sizeof buffer, f)) > 0)
    letto.append(buffer, letti);
  const bool troppo = !ok || letto.size() > lettura_massima;
  ok = !troppo && !std::ferror(f);
  const int e = errno;
  std::fclose(f);
  if (troppo) {
    *err = motivo(percorso, oltre_lettura_massima);
    return false;
  }
  if (!ok) {
    *err = motivo(percorso, ragione_errno(e));
    return false;
  }
  *contenuto = std::move(letto);
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
  const int fd = crea_temporaneo(percorso, caso_, &temporaneo);
  if (fd < 0) {
    *err = motivo(percorso, ragione_errno(errno));
    return false;
  }
  // The data reach the disk before the name does: after a power cut the
  // target is the old file or the new one, never an empty one.
  bool ok = scrivi_tutto(fd, contenuto) && sincronizza(fd);
  int e = errno;
  if (!chiudi(fd) && ok) {
    ok = false;
    e = errno;
  }
  std::string ragione;
  if (ok && !rinomina_sopra(temporaneo, percorso, &ragione)) {
    ok = false;
    *err = motivo(percorso, ragione);
  } else if (!ok) {
    *err = motivo(percorso, ragione_errno(e));
  }
  std::error_code ec;
  if (!ok) fs::remove(come_path(temporaneo), ec);
  return ok;
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

}  // namespace compila
