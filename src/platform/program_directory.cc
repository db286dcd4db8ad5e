#include "platform/program_directory.h"

#ifdef _WIN32
#include <windows.h>

#include <vector>

#include "platform/win32_text.h"

namespace compila {

std::string directory_programma() {
  std::vector<wchar_t> buffer(32768);
  DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  std::wstring percorso(buffer.data(), n);
  size_t taglio = percorso.find_last_of(L"\\/");
  percorso = taglio == std::wstring::npos ? std::wstring() : percorso.substr(0, taglio);
  return in_utf8(percorso);
}

}  // namespace compila

#else
#include <filesystem>
#include <system_error>

namespace compila {

std::string directory_programma() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return ".";
  std::string dir = exe.parent_path().string();
  return dir == "/" ? std::string() : dir;
}

}  // namespace compila
#endif
