#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "model/little_endian.h"

namespace compila {

// One element of the line drawing: empty, a 16-bit integer or a double.
// The tag values are the ones written to the line profile file.
struct elemento_profilo {
  enum class etichetta : uint16_t { vuoto = 0, intero = 2, reale = 5 };

  etichetta tag = etichetta::vuoto;
  int16_t intero = 0;
  double reale = 0.0;

  static elemento_profilo da_intero(int16_t v) { return {etichetta::intero, v, 0.0}; }
  static elemento_profilo da_reale(double v) { return {etichetta::reale, 0, v}; }

  friend bool operator==(const elemento_profilo&, const elemento_profilo&) = default;
};

// Bytes of an element in the line profile file: a 16-bit tag, then its value.
inline constexpr size_t dimensione_etichetta = 2;
inline constexpr size_t dimensione_elemento_vuoto = dimensione_etichetta;
inline constexpr size_t dimensione_elemento_intero = dimensione_etichetta + 2;
inline constexpr size_t dimensione_elemento_reale = dimensione_etichetta + 8;

// The metre-by-metre line drawing, metres 0 to N, coordinate 0 (x) or 1 (y),
// held in the byte layout of the line profile file: each coordinate is the
// file's half for it, every element a 16-bit little-endian tag and its value.
// Writing the file writes these bytes as they are; nothing is encoded twice.
//
// Both halves live in one block, x from its start and y after the room kept
// for x. That room is what the line reader's drawing takes (integers in
// metres 0 and 1, doubles up to N - 2, the last two empty), so a drawing
// compiled to its end is one run of bytes, the whole file; any other drawing
// is two runs. The metres after the last one set are empty: their zero bytes
// are written only when the bytes are asked for, so no memory is cleared that
// the drawing would write anyway.
class profilo_linea {
 public:
  using etichetta = elemento_profilo::etichetta;

  profilo_linea() = default;
  // All elements empty, metres 0 to ultimo_metro.
  explicit profilo_linea(int32_t ultimo_metro);
  // A drawing as a file holds it: x in byte[0, fine_x), y in the rest, each
  // N + 1 elements with valid tags (the decoder has checked them).
  static profilo_linea da_file(std::string_view byte, size_t fine_x, int32_t ultimo_metro);

  profilo_linea(const profilo_linea& altro);
  profilo_linea& operator=(const profilo_linea& altro);
  profilo_linea(profilo_linea&& altro) noexcept { scambia(altro); }
  profilo_linea& operator=(profilo_linea&& altro) noexcept {
    profilo_linea vuoto;
    vuoto.scambia(altro);
    scambia(vuoto);
    return *this;
  }
  ~profilo_linea() = default;

  int32_t ultimo_metro() const { return ultimo_metro_; }

  // Throw std::out_of_range for a metre outside 0 to N.
  elemento_profilo operator()(int32_t metro, int coordinata) const;
  // The element's value as a number; an empty element counts as 0.
  double valore(int32_t metro, int coordinata) const;

  // Sets one element. The metre after the last one set, or a set metre to an
  // element of the same tag, is written in place; anything else rewrites the
  // coordinate (slow, for drawings made by hand).
  void imposta(int32_t metro, int coordinata, const elemento_profilo& e);

  // The file's bytes of one coordinate. Writes the zero bytes of the empty
  // elements at the end the first time they are asked for (so, though const,
  // not to be called from two threads at once).
  std::string_view meta(int coordinata) const;
  size_t dimensione_file() const { return dimensione_meta(c_[0]) + dimensione_meta(c_[1]); }

  friend bool operator==(const profilo_linea& a, const profilo_linea& b) {
    return a.ultimo_metro_ == b.ultimo_metro_ && a.meta(0) == b.meta(0) && a.meta(1) == b.meta(1);
  }

  // The drawing's own loop appends a double to both coordinates a metre at a
  // time. It works through this cursor, which it keeps in registers (a store
  // through a char pointer may alias anything, so the drawing's own fields
  // would be reloaded every metre): open it at the metre after the last one
  // set, append up to `limite`, past which aggiungi_oltre() makes room or
  // says the drawing has no more rows, then close it.
  struct coda {
    char* x;
    char* y;
    int32_t metro;   // the next metre to append
    int32_t limite;  // the last metre that fits the room as it is
  };
  // Both coordinates must be set up to metre - 1 (std::logic_error if not).
  coda apri_coda(int32_t metro);
  static void aggiungi_a_coda(coda& q, double x, double y) {
    q.x = scrivi_reale(q.x, x);
    q.y = scrivi_reale(q.y, y);
    ++q.metro;
  }
  // Past q.limite: false when q.metro is past the last row, else the room is
  // made and q moved to it.
  bool aggiungi_oltre(coda& q);
  void chiudi_coda(const coda& q);

 private:
  // A stretch of metres of one tag, from byte `inizio` of its half.
  struct tratto {
    int32_t primo_metro;
    etichetta tag;
    size_t inizio;
  };
  // One coordinate: its half of the file, `base` bytes into the block.
  struct meta_scritta {
    size_t base = 0;
    size_t capacita = 0;    // room before the next half (or the block's end)
    size_t fine = 0;        // end of the elements set
    int32_t impostati = 0;  // metres 0 to impostati - 1 are set, the rest empty
    mutable size_t zeri_fino = 0;  // the bytes from fine up to here are zero
    std::vector<tratto> tratti;
  };
  struct rilascia_blocco {
    bool allineato;  // from the aligned operator new
    void operator()(char* p) const;
  };
  using blocco = std::unique_ptr<char[], rilascia_blocco>;

  static blocco riserva(size_t n);
  static char* scrivi_reale(char* p, double v) {
    p = codifica_fisso16(p, static_cast<uint16_t>(etichetta::reale));
    return codifica_fisso64(p, std::bit_cast<uint64_t>(v));
  }
  static int indice(int coordinata) { return coordinata == 0 ? 0 : 1; }

  size_t vuoti_dopo(const meta_scritta& c) const {
    return dimensione_elemento_vuoto *
           (static_cast<size_t>(ultimo_metro_) + 1 - static_cast<size_t>(c.impostati));
  }
  size_t dimensione_meta(const meta_scritta& c) const {
    return blocco_ ? c.fine + vuoti_dopo(c) : 0;
  }
  size_t massimo_meta() const {
    return dimensione_elemento_reale * (static_cast<size_t>(ultimo_metro_) + 1);
  }
  char* inizio(const meta_scritta& c) const { return blocco_.get() + c.base; }
  int32_t limite_coda() const;
  void allarga();
  void aggiungi(meta_scritta& c, const elemento_profilo& e);
  const tratto* tratto_di(const meta_scritta& c, int32_t metro) const;
  void controlla(int32_t metro) const;

  void scambia(profilo_linea& altro) noexcept {
    std::swap(ultimo_metro_, altro.ultimo_metro_);
    std::swap(blocco_, altro.blocco_);
    std::swap(dimensione_blocco_, altro.dimensione_blocco_);
    std::swap(c_, altro.c_);
  }

  int32_t ultimo_metro_ = -1;
  blocco blocco_;
  size_t dimensione_blocco_ = 0;
  meta_scritta c_[2];
};

}  // namespace compila
