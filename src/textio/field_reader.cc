#include "textio/field_reader.h"

#include <limits>

#include "textio/quoted_field.h"

namespace compila {

namespace {

bool fine_riga(char c) { return c == '\r' || c == '\n'; }

errore_lettura non_numero(std::string_view campo) {
  const std::string invisibile = primo_invisibile(campo);
  return errore_lettura(
      cita_campo(campo) + " is not a whole number: " +
      (invisibile.empty() ? std::string()
                          : "it holds the character " + invisibile + ", which does not show; ") +
      "a numeric field holds digits only, with an optional leading \"-\"");
}

errore_lettura troppo_grande(std::string_view campo) {
  return errore_lettura(cita_campo(campo) +
                        " is too large: numbers lie between -2147483648 and 2147483647");
}

}  // namespace

void lettore_campi::salta_blank() {
  while (pos_ < testo_.size() && testo_[pos_] == ' ') ++pos_;
}

// Consumes one line end: CR LF, or a lone CR or LF.
void lettore_campi::consuma_fine_riga() {
  if (testo_[pos_] == '\r') {
    ++pos_;
    if (pos_ < testo_.size() && testo_[pos_] == '\n') ++pos_;
  } else {
    ++pos_;
  }
  ++riga_;
}

void lettore_campi::inizia_campo() {
  if (fine()) throw errore_lettura(
        "the file ends in the middle of an item: a value is missing, or the file does not end "
        "with its closing line \"[fine]\"");
  salta_blank();
  riga_campo_ = riga_;
}

std::string lettore_campi::leggi_testo() {
  inizia_campo();
  size_t inizio = pos_;
  while (pos_ < testo_.size() && testo_[pos_] != ',' && !fine_riga(testo_[pos_])) ++pos_;
  std::string campo(testo_.substr(inizio, pos_ - inizio));
  if (pos_ < testo_.size()) {
    if (testo_[pos_] == ',')
      ++pos_;
    else
      consuma_fine_riga();
  }
  return campo;
}

int32_t lettore_campi::leggi_numero() {
  inizia_campo();
  size_t inizio = pos_;
  while (pos_ < testo_.size() && testo_[pos_] != ',' && testo_[pos_] != ' ' &&
         !fine_riga(testo_[pos_]))
    ++pos_;
  std::string_view campo = testo_.substr(inizio, pos_ - inizio);
  salta_blank();
  if (pos_ < testo_.size()) {
    if (testo_[pos_] == ',')
      ++pos_;
    else if (fine_riga(testo_[pos_]))
      consuma_fine_riga();
  }

  if (campo.empty()) return 0;
  bool negativo = campo.front() == '-';
  std::string_view cifre = negativo ? campo.substr(1) : campo;
  if (cifre.empty()) throw non_numero(campo);
  int64_t valore = 0;
  for (char c : cifre) {
    if (c < '0' || c > '9') throw non_numero(campo);
    valore = valore * 10 + (c - '0');
    if (valore > int64_t{std::numeric_limits<int32_t>::max()} + 1)
      throw troppo_grande(campo);
  }
  if (negativo) valore = -valore;
  if (valore > std::numeric_limits<int32_t>::max())
    throw troppo_grande(campo);
  return static_cast<int32_t>(valore);
}

}  // namespace compila
