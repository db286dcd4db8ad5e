#include "source_mutator.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <vector>

extern "C" size_t LLVMFuzzerMutate(uint8_t* dati, size_t dimensione, size_t massimo);

namespace {

// The values where the compiler's tests turn: cells of 50 m, the 1500 m of a
// slowdown's warning board, the widths of bytes and 16-bit and 32-bit fields,
// the longest route.
constexpr const char* valori_limite[] = {
    "0",    "-1",    "49",    "50",     "51",    "100",     "255",     "256",        "1500",
    "1550", "32767", "32768", "-32768", "65535", "1000000", "1000001", "2147483647", "-2147483648"};

// One description as lines, each with its line end.
std::vector<std::string> righe(std::string_view testo) {
  std::vector<std::string> r;
  while (!testo.empty()) {
    size_t fine = testo.find('\n');
    fine = fine == std::string_view::npos ? testo.size() : fine + 1;
    r.emplace_back(testo.substr(0, fine));
    testo.remove_prefix(fine);
  }
  return r;
}

std::string unisci(const std::vector<std::string>& r) {
  std::string s;
  for (const std::string& x : r) s += x;
  return s;
}

struct ingresso {
  std::string parti[2];  // line and train descriptions
  std::string coda;      // the NUL and the flags byte, when there is one
  bool con_treno = false;
};

ingresso dividi(std::string_view dati) {
  ingresso in;
  const size_t nul = dati.find('\0');
  in.parti[0] = std::string(dati.substr(0, nul));
  if (nul == std::string_view::npos) return in;
  in.con_treno = true;
  const std::string_view resto = dati.substr(nul + 1);
  const size_t nul2 = resto.find('\0');
  in.parti[1] = std::string(resto.substr(0, nul2));
  if (nul2 != std::string_view::npos) in.coda = std::string(resto.substr(nul2));
  return in;
}

std::string ricomponi(const ingresso& in) {
  if (!in.con_treno) return in.parti[0];
  return in.parti[0] + '\0' + in.parti[1] + in.coda;
}

// The spans of the numbers in a line: an optional "-" and digits.
std::vector<std::pair<size_t, size_t>> numeri(const std::string& riga) {
  std::vector<std::pair<size_t, size_t>> n;
  for (size_t i = 0; i < riga.size();) {
    if (!std::isdigit(static_cast<unsigned char>(riga[i]))) {
      ++i;
      continue;
    }
    size_t inizio = i > 0 && riga[i - 1] == '-' ? i - 1 : i;
    while (i < riga.size() && std::isdigit(static_cast<unsigned char>(riga[i]))) ++i;
    n.emplace_back(inizio, i - inizio);
  }
  return n;
}

class mutatore {
 public:
  explicit mutatore(unsigned int seme) : caso_(seme) {}

  size_t a_caso(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(caso_); }

  // False when the input offers nothing to this mutation.
  bool muta(ingresso& in) {
    const int parte = in.con_treno && a_caso(2) ? 1 : 0;
    std::vector<std::string> r = righe(in.parti[parte]);
    bool fatto = false;
    // Numbers most often, the harness's flags least.
    switch (a_caso(12)) {
      case 0: case 1: fatto = scambia(r); break;
      case 2: case 3: fatto = duplica(r); break;
      case 4: case 5: fatto = cancella(r); break;
      case 6: case 7: case 8: fatto = valore_limite(r); break;
      case 9: fatto = maiuscole(r); break;
      case 10: fatto = da_altra_parte(in, parte, r); break;
      case 11: fatto = opzioni(in); break;
    }
    in.parti[parte] = unisci(r);
    return fatto;
  }

 private:
  bool scambia(std::vector<std::string>& r) {
    if (r.size() < 2) return false;
    std::swap(r[a_caso(r.size())], r[a_caso(r.size())]);
    return true;
  }

  bool duplica(std::vector<std::string>& r) {
    if (r.empty()) return false;
    const std::string copia = r[a_caso(r.size())];
    r.insert(r.begin() + static_cast<std::ptrdiff_t>(a_caso(r.size() + 1)), copia);
    return true;
  }

  bool cancella(std::vector<std::string>& r) {
    if (r.empty()) return false;
    r.erase(r.begin() + static_cast<std::ptrdiff_t>(a_caso(r.size())));
    return true;
  }

  bool valore_limite(std::vector<std::string>& r) {
    if (r.empty()) return false;
    std::string& riga = r[a_caso(r.size())];
    const auto n = numeri(riga);
    if (n.empty()) return false;
    const auto [inizio, lunghezza] = n[a_caso(n.size())];
    riga.replace(inizio, lunghezza, valori_limite[a_caso(std::size(valori_limite))]);
    return true;
  }

  // The keyword field (up to the first comma) in upper case, lower case, or
  // with one letter's case turned.
  bool maiuscole(std::vector<std::string>& r) {
    if (r.empty()) return false;
    std::string& riga = r[a_caso(r.size())];
    const size_t fine = std::min(riga.find(','), riga.size());
    if (fine == 0) return false;
    const size_t modo = a_caso(3);
    for (size_t i = 0; i < fine; ++i) {
      const auto c = static_cast<unsigned char>(riga[i]);
      if (modo == 0) riga[i] = static_cast<char>(std::toupper(c));
      if (modo == 1) riga[i] = static_cast<char>(std::tolower(c));
    }
    if (modo == 2) {
      const size_t i = a_caso(fine);
      const auto c = static_cast<unsigned char>(riga[i]);
      riga[i] = static_cast<char>(std::isupper(c) ? std::tolower(c) : std::toupper(c));
    }
    return true;
  }

  bool da_altra_parte(ingresso& in, int parte, std::vector<std::string>& r) {
    if (!in.con_treno) return false;
    const std::vector<std::string> altra = righe(in.parti[1 - parte]);
    if (altra.empty()) return false;
    r.insert(r.begin() + static_cast<std::ptrdiff_t>(a_caso(r.size() + 1)), altra[a_caso(altra.size())]);
    return true;
  }

  // Turns one of the harness's flags: the line drawing, a file left out,
  // the drawing's encoding.
  bool opzioni(ingresso& in) {
    if (!in.con_treno) return false;
    uint8_t bit = static_cast<uint8_t>(1u << a_caso(4));
    if (in.coda.size() < 2) in.coda = std::string("\0\0", 2);
    in.coda[1] = static_cast<char>(static_cast<uint8_t>(in.coda[1]) ^ bit);
    return true;
  }

  std::minstd_rand caso_;
};

}  // namespace

size_t muta_sorgenti(uint8_t* dati, size_t dimensione, size_t massimo, unsigned int seme) {
  mutatore m(seme);
  // One call in four, and whenever the edit has nothing to work on, libFuzzer's
  // own byte mutations.
  if (m.a_caso(4) != 0) {
    ingresso in = dividi(std::string_view(reinterpret_cast<const char*>(dati), dimensione));
    if (m.muta(in)) {
      const std::string nuovo = ricomponi(in);
      if (nuovo.size() <= massimo) {
        std::memcpy(dati, nuovo.data(), nuovo.size());
        return nuovo.size();
      }
    }
  }
  return LLVMFuzzerMutate(dati, dimensione, massimo);
}
