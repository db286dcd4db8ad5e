#include "platform/program_directory.h"

#ifdef _WIN32
#include <windows.h>

#include <vector>

std::string directory_programma() {
  std::vector<wchar_t> buffer(32768);
  DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  std::wstring percorso(buffer.data(), n);
  size_t taglio = percorso.find_last_of(L"\\/");
  percorso = taglio == std::wstring::npos ? std::wstring() : percorso.substr(0, taglio);
  int len = WideCharToMultiByte(CP_UTF8, 0, percorso.c_str(), static_cast<int>(percorso.size()),
                                nullptr, 0, nullptr, nullptr);
  std::string risultato(static_cast<size_t>(len), '\0');
  WideCharToMultiByte(CP_UTF8, 0, percorso.c_str(), static_cast<int>(percorso.size()),
                      risultato.data(), len, nullptr, nullptr);
  return risultato;
}

#else
#include <filesystem>
#include <system_error>

std::string directory_programma() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return ".";
  std::string dir = exe.parent_path().string();
  return dir == "/" ? std::string() : dir;
}
#endif
