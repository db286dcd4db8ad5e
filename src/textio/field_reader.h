#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace compila {

// A run-time failure while reading a description file: a field that is not a
// number, a read past the end of the file, a value too large for its field.
// The reader turns every one of them into anomaly 25.
class errore_lettura : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads a description file as a stream of fields.
//
// A comma or a line end (CR LF; a lone LF or CR is taken as one too) ends a
// field and blanks in front of a field are skipped. A text field runs to the
// next comma or line end and keeps every other blank. A numeric field also
// ends at a blank; the blanks after it, together with one following comma or
// line end, belong to the same delimiter, so "15   12   45 " at the end of a
// line is three fields. An empty field reads as 0; otherwise a number is an
// optional "-" and decimal digits that fit 32 bits signed.
class lettore_campi {
 public:
  explicit lettore_campi(std::string_view contenuto) : testo_(contenuto) {}

  // True once every byte has been consumed.
  bool fine() const { return pos_ >= testo_.size(); }

  // Both throw errore_lettura when called at the end of the file.
  std::string leggi_testo();
  int32_t leggi_numero();

  // Line (from 1) on which the last field read started.
  int riga() const { return riga_campo_; }

 private:
  void salta_blank();
  void consuma_fine_riga();
  void inizia_campo();

  std::string_view testo_;
  size_t pos_ = 0;
  int riga_ = 1;
  int riga_campo_ = 0;
};

}  // namespace compila
