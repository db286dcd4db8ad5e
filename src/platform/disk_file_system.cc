#include "platform/disk_file_system.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>

#include "platform/win32_text.h"
#endif

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
// every blank kept.
std::FILE* apri(const std::string& percorso, bool scrittura) {
#ifdef _WIN32
  return _wfopen(in_utf16(percorso).c_str(), scrittura ? L"wb" : L"rb");
#else
  return std::fopen(percorso.c_str(), scrittura ? "wb" : "rb");
#endif
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
  std::error_code ec;
  fs::rename(come_path(temporaneo), come_path(percorso), ec);
  if (ec) *ragione = ec.message();
  return !ec;
#endif
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
  std::FILE* f = apri(percorso, false);
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
  const std::string temporaneo = percorso + ".tmp";
  std::FILE* f = apri(temporaneo, true);
  if (!f) {
    *err = motivo(percorso, ragione_errno(errno));
    return false;
  }
  bool ok = std::fwrite(contenuto.data(), 1, contenuto.size(), f) == contenuto.size();
  int e = errno;
  if (ok && std::fflush(f) != 0) {
    ok = false;
    e = errno;
  }
  if (std::fclose(f) != 0 && ok) {
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

bool disk_file_system::elimina(const std::string& percorso, std::string* err) {
  std::error_code ec;
  fs::remove(come_path(percorso), ec);
  if (ec && ec != std::errc::no_such_file_or_directory) {
    *err = motivo(percorso, ec.message());
    return false;
  }
  return true;
}
