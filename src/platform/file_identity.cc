#include "platform/file_identity.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/win32_text.h"
#else
#include <sys/stat.h>
#endif

namespace compila {

#ifdef _WIN32

// Opened for no access at all and shared every way, so that an editor can
// write, rename or delete the file while it is looked at.
identita_file identita(const std::string& percorso) {
  HANDLE h = CreateFileW(in_utf16(percorso).c_str(), 0,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  BY_HANDLE_FILE_INFORMATION info;
  const bool ok = GetFileInformationByHandle(h, &info);
  CloseHandle(h);
  if (!ok) return {};
  const auto unisci = [](DWORD alto, DWORD basso) {
    return (static_cast<uint64_t>(alto) << 32) | basso;
  };
  identita_file i;
  i.esiste = true;
  i.volume = info.dwVolumeSerialNumber;
  i.numero = unisci(info.nFileIndexHigh, info.nFileIndexLow);
  i.dimensione = static_cast<int64_t>(unisci(info.nFileSizeHigh, info.nFileSizeLow));
  i.scritto = static_cast<int64_t>(
      unisci(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime));
  return i;
}

#else

identita_file identita(const std::string& percorso) {
  struct stat st;
  if (::stat(percorso.c_str(), &st) != 0) return {};
  identita_file i;
  i.esiste = true;
  i.volume = static_cast<uint64_t>(st.st_dev);
  i.numero = static_cast<uint64_t>(st.st_ino);
  i.dimensione = static_cast<int64_t>(st.st_size);
  i.scritto = static_cast<int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
  return i;
}

#endif

}  // namespace compila
