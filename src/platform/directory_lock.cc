#include "platform/directory_lock.h"

#include <cerrno>
#include <cstring>

#include "platform/program_directory.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/win32_text.h"
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace compila {

namespace {

std::string percorso_blocco(const std::string& directory) {
  std::string p = directory;
  if (p.empty() || p.back() != separatore) p += separatore;
  return p + nome_file_blocco;
}

#ifdef _WIN32

// Not in every SDK's headers: the disposition that removes the name at once,
// as on POSIX, while the handles stay usable (Windows 10 and later).
constexpr auto disposizione_estesa = static_cast<FILE_INFO_BY_HANDLE_CLASS>(21);
struct disposizione_posix {
  DWORD flags = 0x1 | 0x2;  // delete, with POSIX semantics
};

class blocco_win32 : public blocco_directory {
 public:
  explicit blocco_win32(HANDLE h) : h_(h) {}
  // Removes the very file it holds, whatever the path names by now; closing
  // the handle lets the lock go.
  ~blocco_win32() override {
    disposizione_posix posix;
    if (!SetFileInformationByHandle(h_, disposizione_estesa, &posix, sizeof posix)) {
      FILE_DISPOSITION_INFO cancella{TRUE};
      SetFileInformationByHandle(h_, FileDispositionInfo, &cancella, sizeof cancella);
    }
    CloseHandle(h_);
  }

 private:
  HANDLE h_;
};

bool stesso_file(HANDLE h, const std::wstring& percorso) {
  HANDLE altro = CreateFileW(percorso.c_str(), 0,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (altro == INVALID_HANDLE_VALUE) return false;
  BY_HANDLE_FILE_INFORMATION a{}, b{};
  const bool ok = GetFileInformationByHandle(h, &a) && GetFileInformationByHandle(altro, &b);
  CloseHandle(altro);
  return ok && a.dwVolumeSerialNumber == b.dwVolumeSerialNumber &&
         a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow;
}

}  // namespace

std::unique_ptr<blocco_directory> blocca_su_disco(const std::string& directory, std::string* err) {
  const std::string percorso = percorso_blocco(directory);
  const std::wstring nome = in_utf16(percorso);
  // Where removal leaves the name until its last handle closes, the file
  // refuses to open meanwhile: a moment, which is waited out.
  for (int attese = 0;;) {
    HANDLE h = CreateFileW(nome.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
      const DWORD e = GetLastError();
      if (e == ERROR_ACCESS_DENIED && attese++ < 500) {
        Sleep(10);
        continue;
      }
      if (e == ERROR_ACCESS_DENIED || e == ERROR_WRITE_PROTECT)
        return std::make_unique<blocco_directory>();
      *err = percorso + ": " + messaggio_sistema(e);
      return nullptr;
    }
    OVERLAPPED dove{};
    if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &dove)) {
      *err = percorso + ": " + messaggio_sistema(GetLastError());
      CloseHandle(h);
      return nullptr;
    }
    if (stesso_file(h, nome)) return std::make_unique<blocco_win32>(h);
    CloseHandle(h);
  }
}

#else

class blocco_posix : public blocco_directory {
 public:
  blocco_posix(int fd, std::string percorso) : fd_(fd), percorso_(std::move(percorso)) {}
  // Removed while still held: whoever waits on this file finds it gone from
  // the path and takes the next one.
  ~blocco_posix() override {
    ::unlink(percorso_.c_str());
    ::close(fd_);
  }

 private:
  int fd_;
  std::string percorso_;
};

bool non_scrivibile(int e) { return e == EACCES || e == EPERM || e == EROFS; }

}  // namespace

std::unique_ptr<blocco_directory> blocca_su_disco(const std::string& directory, std::string* err) {
  const std::string percorso = percorso_blocco(directory);
  const auto fallisce = [&](int e) -> std::unique_ptr<blocco_directory> {
    *err = percorso + ": " + std::strerror(e);
    return nullptr;
  };
  for (;;) {
    // Read-only is enough for the lock where another user's file is not ours
    // to write.
    int fd = ::open(percorso.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && non_scrivibile(errno)) {
      fd = ::open(percorso.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
      if (fd < 0) return std::make_unique<blocco_directory>();
    }
    if (fd < 0) return fallisce(errno);
    while (::flock(fd, LOCK_EX) != 0) {
      if (errno == EINTR) continue;
      const int e = errno;
      ::close(fd);
      return fallisce(e);
    }
    struct stat nostro, al_percorso;
    if (::fstat(fd, &nostro) == 0 && ::lstat(percorso.c_str(), &al_percorso) == 0 &&
        nostro.st_dev == al_percorso.st_dev && nostro.st_ino == al_percorso.st_ino)
      return std::make_unique<blocco_posix>(fd, percorso);
    ::close(fd);
  }
}

#endif

}  // namespace compila
