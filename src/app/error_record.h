#pragma once

#include <ostream>
#include <streambuf>
#include <string>

namespace compila {

// The error stream as the modes see it: every character passes on to the
// real one at once, and the last line that begins with the program's name
// (a usage or file error, not an anomaly) is kept, without that name, for
// the JSON that --json owes the standard output.
class registro_errori : private std::streambuf, public std::ostream {
 public:
  explicit registro_errori(std::ostream& destinazione);

  const std::string& ultimo_messaggio() const { return ultimo_; }

 private:
  using int_type = std::streambuf::int_type;
  using traits_type = std::streambuf::traits_type;

  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int sync() override;
  void aggiungi(char c);

  std::ostream& destinazione_;
  std::string riga_;
  std::string ultimo_;
};

// {"error": MESSAGE, "exit": STATUS}, two-space indented, on one line each.
std::string errore_json(const std::string& messaggio, int esito);

}  // namespace compila
