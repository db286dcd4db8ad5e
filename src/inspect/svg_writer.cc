#include "inspect/svg_writer.h"

#include "inspect/printf_format.h"

namespace compila {

void foglio_svg::testo(double x, double y, const std::string& classe, const std::string& t,
                       const char* ancora, const std::string& extra) {
  out_ += formato("<text x=\"%.1f\" y=\"%.1f\" class=\"%s\" text-anchor=\"%s\"%s>", x, y,
                  classe.c_str(), ancora, extra.c_str()) +
          escapa_xml(t) + "</text>\n";
}

std::string linea_svg(const char* classe, double x1, double y1, double x2, double y2) {
  return formato("<line class=\"%s\" x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\"/>", classe,
                 x1, y1, x2, y2);
}

std::string escapa_xml(const std::string& s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&apos;"; break;
      default:
        // Control characters other than tab and line ends are not allowed in XML 1.0.
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
          out += "?";
        else
          out += c;
    }
  }
  return out;
}

}  // namespace compila
