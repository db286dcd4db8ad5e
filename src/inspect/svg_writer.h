#pragma once

#include <string>

namespace compila {

// An SVG document as it is written: elements are appended in drawing order,
// numbers with one decimal.
class foglio_svg {
 public:
  void aggiungi(const std::string& elementi) { out_ += elementi; }

  // A text element, escaped; `extra` holds further attributes.
  void testo(double x, double y, const std::string& classe, const std::string& t,
             const char* ancora = "start", const std::string& extra = "");

  const std::string& svg() const { return out_; }

 private:
  std::string out_;
};

// One line element, its look given by its class.
std::string linea_svg(const char* classe, double x1, double y1, double x2, double y2);

// A text made safe for XML character data and attribute values.
std::string escapa_xml(const std::string& s);

}  // namespace compila
