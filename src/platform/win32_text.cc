#include "platform/win32_text.h"

#include <windows.h>

namespace compila {

std::wstring in_utf16(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring risultato(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), risultato.data(), n);
  return risultato;
}

std::string in_utf8(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string risultato(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), static_cast<int>(utf16.size()), risultato.data(), n,
                      nullptr, nullptr);
  return risultato;
}

std::string messaggio_sistema(unsigned long codice) {
  wchar_t* testo = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, codice, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&testo), 0,
      nullptr);
  std::wstring messaggio = n ? std::wstring(testo, n) : std::wstring();
  if (testo) LocalFree(testo);
  while (!messaggio.empty() && (messaggio.back() == L'\n' || messaggio.back() == L'\r' ||
                                messaggio.back() == L' ' || messaggio.back() == L'.'))
    messaggio.pop_back();
  if (messaggio.empty()) return "system error " + std::to_string(codice);
  return in_utf8(messaggio);
}

}  // namespace compila
