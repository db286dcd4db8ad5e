#include "platform/disk_replacement.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/temporary_name.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>

#include "platform/win32_text.h"
#else
#include <sys/socket.h>
#include <sys/uio.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace compila {

namespace {

namespace fs = std::filesystem;

std::string motivo(const std::string& percorso, const std::string& ragione) {
  return percorso + ": " + ragione;
}

std::string ragione_errno(int e) { return std::strerror(e); }

// One target of the set and what its replacement holds on the way.
struct bersaglio {
  const sostituzione* s = nullptr;
  std::string percorso;  // the file written: the path given, or where its links lead
  bool diretto = false;  // a device, a FIFO or a socket, written to in place
  bool esisteva = false;  // an earlier regular file, whose permissions pass on
#ifdef _WIN32
  DWORD attributi = 0;
#else
  struct stat stato {};
#endif
  std::string temporaneo;
  int fd = -1;
  bool rinominato = false;
};

// The directory part of a path, with its separator ("" for a bare name), and
// the name after it.
size_t inizio_nome(const std::string& p) {
#ifdef _WIN32
  const size_t s = p.find_last_of("\\/:");
#else
  const size_t s = p.rfind('/');
#endif
  return s == std::string::npos ? 0 : s + 1;
}

#ifdef _WIN32

fs::path come_path(const std::string& percorso) {
  return fs::path(std::u8string(percorso.begin(), percorso.end()));
}

std::string da_path(const fs::path& p) {
  const std::u8string u = p.u8string();
  return std::string(u.begin(), u.end());
}

bool risolvi(const std::string& dato, bersaglio* b, std::string* err) {
  fs::path p = come_path(dato);
  for (int salti = 0; salti <= 40; ++salti) {
    std::error_code ec;
    const fs::file_status st = fs::symlink_status(p, ec);
    if (st.type() == fs::file_type::not_found) {
      b->percorso = da_path(p);
      return true;
    }
    if (ec) {
      *err = motivo(dato, ec.message());
      return false;
    }
    if (fs::is_symlink(st)) {
      const fs::path dove = fs::read_symlink(p, ec);
      if (ec) {
        *err = motivo(dato, ec.message());
        return false;
      }
      p = dove.is_absolute() ? dove : p.parent_path() / dove;
      continue;
    }
    if (fs::is_directory(st)) {
      *err = motivo(dato, "is a directory");
      return false;
    }
    b->percorso = da_path(p);
    if (fs::is_regular_file(st)) {
      b->esisteva = true;
      b->attributi = GetFileAttributesW(in_utf16(b->percorso).c_str());
    } else {
      b->diretto = true;
    }
    return true;
  }
  *err = motivo(dato, "too many levels of links");
  return false;
}

size_t nome_massimo_in(const std::string&) { return nome_massimo; }

int crea_esclusivo(const std::string& percorso) {
  return _wopen(in_utf16(percorso).c_str(),
                _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT, _S_IREAD | _S_IWRITE);
}

int apri_diretto(const std::string& percorso) {
  return _wopen(in_utf16(percorso).c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT);
}

bool scrivi_pezzi(int fd, std::span<const std::string_view> pezzi) {
  for (std::string_view pezzo : pezzi) {
    while (!pezzo.empty()) {
      const unsigned parte =
          pezzo.size() > (1u << 30) ? (1u << 30) : static_cast<unsigned>(pezzo.size());
      const int scritti = _write(fd, pezzo.data(), parte);
      if (scritti < 0 && errno == EINTR) continue;
      if (scritti <= 0) {
        if (scritti == 0) errno = ENOSPC;
        return false;
      }
      pezzo.remove_prefix(static_cast<size_t>(scritti));
    }
  }
  return true;
}

bool sincronizza(int fd) { return _commit(fd) == 0; }
bool chiudi(int fd) { return _close(fd) == 0; }
void rimuovi(const std::string& percorso) { DeleteFileW(in_utf16(percorso).c_str()); }

// The attributes a user sets on a file (read-only, hidden, system, archive)
// pass to the new one.
constexpr DWORD attributi_tenuti = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                   FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                                   FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

void tieni_permessi(const bersaglio&) {}

// A read-only file cannot be renamed over: it is made writable for the
// rename, and stays as it was when the rename fails.
bool rinomina(const bersaglio& b, std::string* ragione) {
  const std::wstring da = in_utf16(b.temporaneo), a = in_utf16(b.percorso);
  const bool attributi_noti = b.esisteva && b.attributi != INVALID_FILE_ATTRIBUTES;
  if (attributi_noti) {
    const DWORD tenuti = b.attributi & attributi_tenuti;
    SetFileAttributesW(da.c_str(), tenuti ? tenuti : FILE_ATTRIBUTE_NORMAL);
  }
  const bool sola_lettura = attributi_noti && (b.attributi & FILE_ATTRIBUTE_READONLY);
  if (sola_lettura) SetFileAttributesW(a.c_str(), b.attributi & ~DWORD{FILE_ATTRIBUTE_READONLY});
  if (MoveFileExW(da.c_str(), a.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
  const DWORD codice = GetLastError();
  if (sola_lettura) SetFileAttributesW(a.c_str(), b.attributi);
  *ragione = messaggio_sistema(codice);
  return false;
}

#else

bool leggi_link(const std::string& p, std::string* dove) {
  std::vector<char> buffer(256);
  for (;;) {
    const ssize_t n = ::readlink(p.c_str(), buffer.data(), buffer.size());
    if (n < 0) return false;
    if (static_cast<size_t>(n) < buffer.size()) {
      dove->assign(buffer.data(), static_cast<size_t>(n));
      return true;
    }
    buffer.resize(buffer.size() * 2);
  }
}

// What stands at the path decides how it is written. A link that leads to a
// file is followed to that file's own path (realpath also follows the
// system's links to open files, such as /proc/self/fd/1); one that leads
// nowhere yet, link by link, to where the file will be made.
bool risolvi(const std::string& dato, bersaglio* b, std::string* err) {
  const auto fallisce = [&](int e) {
    *err = motivo(dato, ragione_errno(e));
    return false;
  };
  std::string p = dato;
  for (int salti = 0; salti <= 40; ++salti) {
    struct stat s;
    if (::lstat(p.c_str(), &s) != 0) {
      if (errno != ENOENT) return fallisce(errno);
      b->percorso = p;
      return true;
    }
    if (S_ISLNK(s.st_mode)) {
      if (::stat(p.c_str(), &s) != 0) {
        std::string dove;
        if (errno != ENOENT || !leggi_link(p, &dove)) return fallisce(errno);
        p = dove.starts_with('/') ? dove : p.substr(0, inizio_nome(p)) + dove;
        continue;
      }
      if (S_ISREG(s.st_mode)) {
        char* vero = ::realpath(p.c_str(), nullptr);
        if (!vero) return fallisce(errno);
        p = vero;
        std::free(vero);
        continue;
      }
    }
    if (S_ISDIR(s.st_mode)) {
      *err = motivo(dato, "is a directory");
      return false;
    }
    b->percorso = p;
    if (S_ISREG(s.st_mode)) {
      b->esisteva = true;
      b->stato = s;
    } else {
      b->diretto = true;
    }
    return true;
  }
  return fallisce(ELOOP);
}

// The longest name the target's file system takes, so that the temporary's
// name fits there.
size_t nome_massimo_in(const std::string& percorso) {
  const size_t n = inizio_nome(percorso);
  const std::string directory = n == 0 ? "." : percorso.substr(0, n);
  const long massimo = ::pathconf(directory.c_str(), _PC_NAME_MAX);
  return massimo > 16 && massimo < 4096 ? static_cast<size_t>(massimo) : nome_massimo;
}

int crea_esclusivo(const std::string& percorso) {
  return ::open(percorso.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

// A socket is not opened but connected to.
int connetti(const std::string& percorso) {
  sockaddr_un indirizzo{};
  indirizzo.sun_family = AF_UNIX;
  if (percorso.size() >= sizeof indirizzo.sun_path) {
    errno = ENAMETOOLONG;
    return -1;
  }
  std::memcpy(indirizzo.sun_path, percorso.c_str(), percorso.size() + 1);
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return -1;
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&indirizzo), sizeof indirizzo) != 0) {
    const int e = errno;
    ::close(fd);
    errno = e;
    return -1;
  }
  return fd;
}

// Opens the device or FIFO itself; what it opened must still be one.
int apri_diretto(const std::string& percorso) {
  int fd = ::open(percorso.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0 && errno == ENXIO) fd = connetti(percorso);
  if (fd < 0) return -1;
  struct stat s;
  if (::fstat(fd, &s) != 0 || S_ISREG(s.st_mode) || S_ISDIR(s.st_mode)) {
    ::close(fd);
    errno = EAGAIN;
    return -1;
  }
  return fd;
}

// Every piece in as few calls as the system allows: at most IOV_MAX pieces a
// call, and a call may write less than it was given.
bool scrivi_pezzi(int fd, std::span<const std::string_view> pezzi) {
  std::vector<iovec> vettore;
  vettore.reserve(pezzi.size());
  for (std::string_view pezzo : pezzi)
    if (!pezzo.empty()) vettore.push_back({const_cast<char*>(pezzo.data()), pezzo.size()});
  size_t i = 0;
  while (i < vettore.size()) {
    const int quanti = static_cast<int>(std::min<size_t>(vettore.size() - i, IOV_MAX));
    const ssize_t scritti = ::writev(fd, &vettore[i], quanti);
    if (scritti < 0 && errno == EINTR) continue;
    if (scritti <= 0) {
      if (scritti == 0) errno = ENOSPC;
      return false;
    }
    size_t resto = static_cast<size_t>(scritti);
    while (i < vettore.size() && resto >= vettore[i].iov_len) resto -= vettore[i++].iov_len;
    if (resto > 0) {
      vettore[i].iov_base = static_cast<char*>(vettore[i].iov_base) + resto;
      vettore[i].iov_len -= resto;
    }
  }
  return true;
}

bool sincronizza(int fd) { return ::fsync(fd) == 0; }
bool chiudi(int fd) { return ::close(fd) == 0; }
void rimuovi(const std::string& percorso) { ::unlink(percorso.c_str()); }

// The earlier file's owner, where the system allows it, and its mode; the
// owner first, since a change of owner clears the set-id bits. Neither is
// worth failing the write for.
void tieni_permessi(const bersaglio& b) {
  if (!b.esisteva) return;
  if (::fchown(b.fd, b.stato.st_uid, b.stato.st_gid) != 0) {
    // Not the owner: the new file is the writer's.
  }
  if (::fchmod(b.fd, b.stato.st_mode & 07777) != 0) {
    // A file system without modes.
  }
}

bool rinomina(const bersaglio& b, std::string* ragione) {
  if (std::rename(b.temporaneo.c_str(), b.percorso.c_str()) == 0) return true;
  *ragione = ragione_errno(errno);
  return false;
}

#endif

// A new file beside the target under a name no entry has yet: never a
// temporary left by a killed run, a file of the user's, a link, or the
// temporary of another run writing the same target at the same time.
bool crea_temporaneo(bersaglio* b, const std::function<uint32_t()>& caso) {
  const size_t n = inizio_nome(b->percorso);
  const std::string_view nome = std::string_view(b->percorso).substr(n);
  const size_t massimo = nome_massimo_in(b->percorso);
  for (int tentativo = 0; tentativo < 100; ++tentativo) {
    b->temporaneo = b->percorso.substr(0, n) + nome_temporaneo(nome, caso(), massimo);
    b->fd = crea_esclusivo(b->temporaneo);
    if (b->fd >= 0) return true;
    if (errno != EEXIST) return false;
  }
  return false;
}

// Steps 1 and 2 for one target: the temporary written, its permissions set.
bool prepara(bersaglio* b, const std::function<uint32_t()>& caso, std::string* err) {
  if (!crea_temporaneo(b, caso)) {
    *err = motivo(b->s->percorso, ragione_errno(errno));
    b->temporaneo.clear();
    return false;
  }
  if (!scrivi_pezzi(b->fd, b->s->pezzi)) {
    *err = motivo(b->s->percorso, ragione_errno(errno));
    return false;
  }
  tieni_permessi(*b);
  return true;
}

// Every temporary to the disk: the data reach it before any name does, so
// after a power cut a target is its old file or its new one, never an empty
// one. One thread a file when there are several.
bool sincronizza_tutti(std::vector<bersaglio>& bersagli, std::string* err) {
  std::vector<int> errori(bersagli.size(), 0);
  std::vector<std::thread> fili;
  for (size_t i = 0; i < bersagli.size(); ++i) {
    if (bersagli[i].diretto) continue;
    const auto sincronizza_uno = [&bersagli, &errori, i] {
      if (!sincronizza(bersagli[i].fd)) errori[i] = errno;
    };
    try {
      if (bersagli.size() > 1)
        fili.emplace_back(sincronizza_uno);
      else
        sincronizza_uno();
    } catch (const std::system_error&) {
      sincronizza_uno();  // no thread to be had: here, then
    }
  }
  for (std::thread& f : fili) f.join();
  bool ok = true;
  for (size_t i = 0; i < bersagli.size(); ++i) {
    bersaglio& b = bersagli[i];
    if (b.diretto) continue;
    if (!chiudi(b.fd) && errori[i] == 0) errori[i] = errno;
    b.fd = -1;
    if (errori[i] != 0 && ok) {
      *err = motivo(b.s->percorso, ragione_errno(errori[i]));
      ok = false;
    }
  }
  return ok;
}

bool scrivi_diretto(const bersaglio& b, std::string* err) {
  const int fd = apri_diretto(b.percorso);
  bool ok = fd >= 0 && scrivi_pezzi(fd, b.s->pezzi);
  int e = errno;
  if (fd >= 0 && !chiudi(fd) && ok) {
    ok = false;
    e = errno;
  }
  if (!ok) *err = motivo(b.s->percorso, ragione_errno(e));
  return ok;
}

// What a failure leaves: no temporary, and no descriptor open.
void sgombra(std::vector<bersaglio>& bersagli) {
  for (bersaglio& b : bersagli) {
    if (b.fd >= 0) chiudi(b.fd);
    b.fd = -1;
    if (!b.temporaneo.empty() && !b.rinominato) rimuovi(b.temporaneo);
  }
}

}  // namespace

bool sostituisci_su_disco(std::span<const sostituzione> insieme,
                          const std::function<uint32_t()>& caso, std::string* err) {
  std::vector<bersaglio> bersagli(insieme.size());
  for (size_t i = 0; i < insieme.size(); ++i) {
    bersagli[i].s = &insieme[i];
    if (!risolvi(insieme[i].percorso, &bersagli[i], err)) return false;
  }
  for (bersaglio& b : bersagli) {
    if (!b.diretto && !prepara(&b, caso, err)) {
      sgombra(bersagli);
      return false;
    }
  }
  if (!sincronizza_tutti(bersagli, err)) {
    sgombra(bersagli);
    return false;
  }
  for (bersaglio& b : bersagli) {
    std::string ragione;
    if (b.diretto) {
      if (scrivi_diretto(b, err)) continue;
    } else if (rinomina(b, &ragione)) {
      b.rinominato = true;
      continue;
    } else {
      *err = motivo(b.s->percorso, ragione);
    }
    sgombra(bersagli);
    return false;
  }
  return true;
}

}  // namespace compila
