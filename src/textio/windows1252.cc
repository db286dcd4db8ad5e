#include "textio/windows1252.h"

#include <array>
#include <cstdint>

namespace compila {

namespace {

// Code points of bytes 0x80 to 0x9F; 0 where the code page has no character.
constexpr std::array<char32_t, 32> punti_alti = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The five bytes the code page leaves undefined come back from the C1
// controls of the same number, so that every byte read survives.
char byte_per(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  if (cp <= 0x9F && punti_alti[cp - 0x80] == 0) return static_cast<char>(cp);
  for (size_t i = 0; i < punti_alti.size(); ++i)
    if (punti_alti[i] == cp && cp != 0) return static_cast<char>(0x80 + i);
  return '?';
}

// The smallest code point each length of sequence may carry: a longer
// spelling of a smaller one (an overlong sequence) is broken UTF-8.
constexpr char32_t minimo_per_seguito[] = {0, 0x80, 0x800, 0x10000};

void aggiungi_utf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::string in_windows1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  aggiungi_windows1252(out, utf8);
  return out;
}

void aggiungi_windows1252(std::string& out, std::string_view utf8) {
  size_t i = 0;
  while (i < utf8.size()) {
    // A run of ASCII is the same bytes in both.
    size_t ascii = i;
    while (ascii < utf8.size() && static_cast<uint8_t>(utf8[ascii]) < 0x80) ++ascii;
    out.append(utf8, i, ascii - i);
    i = ascii;
    if (i == utf8.size()) break;
    auto b = static_cast<uint8_t>(utf8[i]);
    int seguito;
    char32_t cp;
    if (b < 0x80) {
      seguito = 0;
      cp = b;
    } else if ((b & 0xE0) == 0xC0) {
      seguito = 1;
      cp = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
      seguito = 2;
      cp = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
      seguito = 3;
      cp = b & 0x07;
    } else {
      out += '?';
      ++i;
      continue;
    }
    size_t j = 1;
    bool valido = true;
    for (; j <= static_cast<size_t>(seguito); ++j) {
      if (i + j >= utf8.size() || (static_cast<uint8_t>(utf8[i + j]) & 0xC0) != 0x80) {
        valido = false;
        break;
      }
      cp = (cp << 6) | (static_cast<uint8_t>(utf8[i + j]) & 0x3F);
    }
    if (cp < minimo_per_seguito[seguito]) valido = false;
    out += valido ? byte_per(cp) : '?';
    i += j;
  }
}

std::string da_windows1252(std::string_view byte) {
  std::string out;
  out.reserve(byte.size());
  for (char c : byte) {
    auto b = static_cast<uint8_t>(c);
    char32_t cp = b;
    if (b >= 0x80 && b <= 0x9F && punti_alti[b - 0x80] != 0) cp = punti_alti[b - 0x80];
    aggiungi_utf8(out, cp);
  }
  return out;
}

}  // namespace compila
