#include "textio/text_writer.h"

#include "textio/windows1252.h"

namespace compila {

std::string testo_windows1252(const std::vector<std::string>& righe) {
  size_t al_piu = 0;  // a character takes no more bytes here than in UTF-8
  for (const std::string& riga : righe) al_piu += riga.size() + 2;
  std::string out;
  out.reserve(al_piu);
  for (const std::string& riga : righe) {
    aggiungi_windows1252(out, riga);
    out += "\r\n";
  }
  return out;
}

}  // namespace compila
