#include "model/profilo.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace compila {

namespace {

using etichetta = elemento_profilo::etichetta;

size_t dimensione(etichetta tag) {
  switch (tag) {
    case etichetta::intero: return dimensione_elemento_intero;
    case etichetta::reale: return dimensione_elemento_reale;
    case etichetta::vuoto: break;
  }
  return dimensione_elemento_vuoto;
}

// A block this large is laid on huge pages where the system offers them: a
// fresh small page costs the kernel about as much as writing a kilobyte, and
// the drawing of the built-in route alone takes over a thousand of them.
constexpr size_t pagina_grande = size_t{2} << 20;

}  // namespace

void profilo_linea::rilascia_blocco::operator()(char* p) const {
  if (allineato)
    ::operator delete[](p, std::align_val_t{pagina_grande});
  else
    delete[] p;
}

profilo_linea::blocco profilo_linea::riserva(size_t n) {
#ifdef __linux__
  if (n >= pagina_grande) {
    auto* p = static_cast<char*>(::operator new[](n, std::align_val_t{pagina_grande}));
    // Whole huge pages only: a last partial one would make resident memory
    // the drawing never uses.
    madvise(p, n / pagina_grande * pagina_grande, MADV_HUGEPAGE);
    return blocco(p, rilascia_blocco{true});
  }
#endif
  return blocco(new char[n], rilascia_blocco{false});
}

profilo_linea::profilo_linea(int32_t ultimo_metro) {
  if (ultimo_metro < 0) return;
  ultimo_metro_ = ultimo_metro;
  const size_t massimo = massimo_meta();
  dimensione_blocco_ = 2 * massimo;
  blocco_ = riserva(dimensione_blocco_);
  // The room for x is what the compiled drawing takes: 4 bytes for each of
  // metres 0 and 1, 10 for each of metres 2 to N - 2, 2 for each of the last
  // two; 10N - 18 in all.
  const int64_t n = ultimo_metro;
  const auto tutti_vuoti = static_cast<int64_t>(dimensione_elemento_vuoto) * (n + 1);
  const auto x = static_cast<size_t>(std::max(10 * n - 18, tutti_vuoti));
  c_[0].capacita = x;
  c_[1].base = x;
  c_[1].capacita = dimensione_blocco_ - x;
}

profilo_linea profilo_linea::da_file(std::string_view byte, size_t fine_x, int32_t ultimo_metro) {
  profilo_linea p;
  p.ultimo_metro_ = ultimo_metro;
  p.dimensione_blocco_ = byte.size();
  p.blocco_ = riserva(byte.size());
  std::memcpy(p.blocco_.get(), byte.data(), byte.size());
  p.c_[0].capacita = fine_x;
  p.c_[1].base = fine_x;
  p.c_[1].capacita = byte.size() - fine_x;
  for (meta_scritta& c : p.c_) {
    c.fine = c.capacita;
    c.zeri_fino = c.fine;
    c.impostati = ultimo_metro + 1;
    const char* inizio = p.inizio(c);
    size_t pos = 0;
    for (int32_t m = 0; m <= ultimo_metro && pos + dimensione_etichetta <= c.fine; ++m) {
      const auto tag = static_cast<etichetta>(decodifica_fisso16(inizio + pos));
      if (c.tratti.empty() || c.tratti.back().tag != tag) c.tratti.push_back({m, tag, pos});
      pos += dimensione(tag);
    }
  }
  return p;
}

profilo_linea::profilo_linea(const profilo_linea& altro) { *this = altro; }

profilo_linea& profilo_linea::operator=(const profilo_linea& altro) {
  if (this == &altro) return *this;
  blocco copia = altro.blocco_ ? riserva(altro.dimensione_blocco_) : blocco();
  for (int i = 0; i < 2; ++i) {
    const meta_scritta& da = altro.c_[i];
    if (copia) std::memcpy(copia.get() + da.base, altro.inizio(da), da.fine);
    c_[i] = da;
    c_[i].zeri_fino = da.fine;
  }
  ultimo_metro_ = altro.ultimo_metro_;
  dimensione_blocco_ = altro.dimensione_blocco_;
  blocco_ = std::move(copia);
  return *this;
}

void profilo_linea::controlla(int32_t metro) const {
  if (metro < 0 || metro > ultimo_metro_)
    throw std::out_of_range("metre " + std::to_string(metro) + " is outside the drawing (0 to " +
                            std::to_string(ultimo_metro_) + ")");
}

std::string_view profilo_linea::meta(int coordinata) const {
  const meta_scritta& c = c_[indice(coordinata)];
  if (!blocco_) return {};
  const size_t fine = dimensione_meta(c);
  if (c.zeri_fino < fine) {
    const size_t da = std::max(c.fine, c.zeri_fino);
    std::memset(inizio(c) + da, 0, fine - da);
    c.zeri_fino = fine;
  }
  return {inizio(c), fine};
}

const profilo_linea::tratto* profilo_linea::tratto_di(const meta_scritta& c, int32_t metro) const {
  if (metro >= c.impostati) return nullptr;
  auto dopo = std::upper_bound(c.tratti.begin(), c.tratti.end(), metro,
                               [](int32_t m, const tratto& t) { return m < t.primo_metro; });
  return &*(dopo - 1);
}

elemento_profilo profilo_linea::operator()(int32_t metro, int coordinata) const {
  controlla(metro);
  const meta_scritta& c = c_[indice(coordinata)];
  const tratto* t = tratto_di(c, metro);
  if (!t) return {};
  const char* p = inizio(c) + t->inizio +
                  static_cast<size_t>(metro - t->primo_metro) * dimensione(t->tag) +
                  dimensione_etichetta;
  switch (t->tag) {
    case etichetta::intero:
      return elemento_profilo::da_intero(static_cast<int16_t>(decodifica_fisso16(p)));
    case etichetta::reale:
      return elemento_profilo::da_reale(std::bit_cast<double>(decodifica_fisso64(p)));
    case etichetta::vuoto: break;
  }
  return {};
}

double profilo_linea::valore(int32_t metro, int coordinata) const {
  const elemento_profilo e = (*this)(metro, coordinata);
  return e.tag == etichetta::intero ? static_cast<double>(e.intero)
         : e.tag == etichetta::reale ? e.reale
                                     : 0.0;
}

// Gives both halves the room of N + 1 doubles, y after x.
void profilo_linea::allarga() {
  const size_t massimo = massimo_meta();
  if (c_[0].capacita >= massimo && c_[1].capacita >= massimo) return;
  blocco nuovo = dimensione_blocco_ >= 2 * massimo ? blocco() : riserva(2 * massimo);
  char* dove = nuovo ? nuovo.get() : blocco_.get();
  // In place, y moves towards the end, over bytes x does not use.
  std::memmove(dove + massimo, inizio(c_[1]), c_[1].fine);
  if (nuovo) std::memcpy(dove, inizio(c_[0]), c_[0].fine);
  for (int i = 0; i < 2; ++i) {
    c_[i].base = i * massimo;
    c_[i].capacita = massimo;
    c_[i].zeri_fino = c_[i].fine;
  }
  if (nuovo) {
    blocco_ = std::move(nuovo);
    dimensione_blocco_ = 2 * massimo;
  }
}

void profilo_linea::aggiungi(meta_scritta& c, const elemento_profilo& e) {
  const size_t n = dimensione(e.tag);
  if (c.fine + n + vuoti_dopo(c) - dimensione_elemento_vuoto > c.capacita) allarga();
  char* p = codifica_fisso16(inizio(c) + c.fine, static_cast<uint16_t>(e.tag));
  if (e.tag == etichetta::intero) codifica_fisso16(p, static_cast<uint16_t>(e.intero));
  if (e.tag == etichetta::reale) codifica_fisso64(p, std::bit_cast<uint64_t>(e.reale));
  if (c.tratti.empty() || c.tratti.back().tag != e.tag) c.tratti.push_back({c.impostati, e.tag, c.fine});
  c.fine += n;
  ++c.impostati;
}

void profilo_linea::imposta(int32_t metro, int coordinata, const elemento_profilo& e) {
  controlla(metro);
  meta_scritta& c = c_[indice(coordinata)];
  if (metro == c.impostati) return aggiungi(c, e);
  if (const tratto* t = tratto_di(c, metro); t && t->tag == e.tag) {
    char* p = inizio(c) + t->inizio +
              static_cast<size_t>(metro - t->primo_metro) * dimensione(t->tag) +
              dimensione_etichetta;
    if (e.tag == etichetta::intero) codifica_fisso16(p, static_cast<uint16_t>(e.intero));
    if (e.tag == etichetta::reale) codifica_fisso64(p, std::bit_cast<uint64_t>(e.reale));
    return;
  }
  // Out of order: the coordinate is written anew.
  std::vector<elemento_profilo> elementi;
  for (int32_t m = 0; m < std::max(c.impostati, metro + 1); ++m)
    elementi.push_back(m == metro ? e : (*this)(m, coordinata));
  while (!elementi.empty() && elementi.back().tag == etichetta::vuoto) elementi.pop_back();
  c.fine = 0;
  c.impostati = 0;
  c.zeri_fino = 0;
  c.tratti.clear();
  for (const elemento_profilo& x : elementi) aggiungi(c, x);
}

int32_t profilo_linea::limite_coda() const {
  int64_t limite = ultimo_metro_;
  for (const meta_scritta& c : c_) {
    // Doubles appended up to metre m leave the half fine + 10 (m - k + 1)
    // + 2 (N - m) bytes long, k the first metre appended.
    const int64_t margine = static_cast<int64_t>(c.capacita) - static_cast<int64_t>(c.fine) -
                            2 * int64_t{ultimo_metro_} + 10 * int64_t{c.impostati} - 10;
    limite = std::min(limite, margine < 0 ? int64_t{c.impostati} - 1 : margine / 8);
  }
  return static_cast<int32_t>(limite);
}

profilo_linea::coda profilo_linea::apri_coda(int32_t metro) {
  if (!blocco_ || c_[0].impostati != metro || c_[1].impostati != metro)
    throw std::logic_error("the drawing's loop must start at the metre after the last one set");
  for (meta_scritta& c : c_)
    if (c.tratti.empty() || c.tratti.back().tag != etichetta::reale)
      c.tratti.push_back({metro, etichetta::reale, c.fine});
  return {inizio(c_[0]) + c_[0].fine, inizio(c_[1]) + c_[1].fine, metro, limite_coda()};
}

bool profilo_linea::aggiungi_oltre(coda& q) {
  if (q.metro > ultimo_metro_) return false;
  chiudi_coda(q);
  allarga();
  q = apri_coda(q.metro);
  return true;
}

void profilo_linea::chiudi_coda(const coda& q) {
  for (meta_scritta& c : c_) {
    const int32_t aggiunti = q.metro - c.impostati;
    if (aggiunti == 0 && c.tratti.back().primo_metro == c.impostati) c.tratti.pop_back();
    c.fine += dimensione_elemento_reale * static_cast<size_t>(aggiunti);
    c.impostati = q.metro;
  }
}

}  // namespace compila
