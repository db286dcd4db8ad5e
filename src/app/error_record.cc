#include "app/error_record.h"

#include <nlohmann/json.hpp>

#include "app/status.h"

namespace compila {

registro_errori::registro_errori(std::ostream& destinazione)
    : std::ostream(static_cast<std::streambuf*>(this)), destinazione_(destinazione) {}

registro_errori::int_type registro_errori::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  const char ch = traits_type::to_char_type(c);
  destinazione_.put(ch);
  aggiungi(ch);
  return c;
}

std::streamsize registro_errori::xsputn(const char* s, std::streamsize n) {
  destinazione_.write(s, n);
  for (std::streamsize i = 0; i < n; ++i) aggiungi(s[i]);
  return n;
}

int registro_errori::sync() {
  destinazione_.flush();
  return 0;
}

void registro_errori::aggiungi(char c) {
  if (c != '\n') {
    riga_ += c;
    return;
  }
  const std::string nome = prefisso;
  if (riga_.starts_with(nome)) ultimo_ = riga_.substr(nome.size());
  riga_.clear();
}

std::string errore_json(const std::string& messaggio, int esito) {
  const nlohmann::ordered_json j = {{"error", messaggio}, {"exit", esito}};
  return j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace compila
