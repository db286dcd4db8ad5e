#include "textio/text_writer.h"

#include "textio/windows1252.h"

namespace compila {

std::string testo_windows1252(const std::vector<std::string>& righe) {
  std::string out;
  for (const std::string& riga : righe) {
    out += in_windows1252(riga);
    out += "\r\n";
  }
  return out;
}

}  // namespace compila
