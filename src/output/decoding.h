#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace compila {

// "1 byte", "2 bytes": for the decoders' messages.
inline std::string quanti_byte(size_t n) {
  return std::to_string(n) + (n == 1 ? " byte" : " bytes");
}

// Reads the little-endian fields of a binary file back, never past its end:
// every read first checks that the bytes are there and returns false when they
// are not, leaving the position where it was.
class lettore_byte {
 public:
  explicit lettore_byte(std::string_view byte) : byte_(byte) {}

  size_t posizione() const { return pos_; }
  size_t rimasti() const { return byte_.size() - pos_; }
  bool finito() const { return pos_ == byte_.size(); }

  bool byte(uint8_t* v) {
    if (rimasti() < 1) return false;
    *v = at(pos_++);
    return true;
  }

  bool fisso16(uint16_t* v) {
    if (rimasti() < 2) return false;
    *v = static_cast<uint16_t>(at(pos_) | at(pos_ + 1) << 8);
    pos_ += 2;
    return true;
  }

  bool fisso32(uint32_t* v) {
    if (rimasti() < 4) return false;
    uint16_t basso = 0, alto = 0;
    fisso16(&basso);
    fisso16(&alto);
    *v = static_cast<uint32_t>(basso) | static_cast<uint32_t>(alto) << 16;
    return true;
  }

  bool fisso64(uint64_t* v) {
    if (rimasti() < 8) return false;
    uint32_t basso = 0, alto = 0;
    fisso32(&basso);
    fisso32(&alto);
    *v = static_cast<uint64_t>(basso) | static_cast<uint64_t>(alto) << 32;
    return true;
  }

  bool int16(int16_t* v) {
    uint16_t u = 0;
    if (!fisso16(&u)) return false;
    *v = static_cast<int16_t>(u);
    return true;
  }

  bool int32(int32_t* v) {
    uint32_t u = 0;
    if (!fisso32(&u)) return false;
    *v = static_cast<int32_t>(u);
    return true;
  }

  bool reale(double* v) {
    static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559);
    uint64_t u = 0;
    if (!fisso64(&u)) return false;
    *v = std::bit_cast<double>(u);
    return true;
  }

  // n raw bytes.
  bool blocco(size_t n, std::string_view* v) {
    if (rimasti() < n) return false;
    *v = byte_.substr(pos_, n);
    pos_ += n;
    return true;
  }

  bool salta(size_t n) {
    if (rimasti() < n) return false;
    pos_ += n;
    return true;
  }

 private:
  uint8_t at(size_t i) const { return static_cast<uint8_t>(byte_[i]); }

  std::string_view byte_;
  size_t pos_ = 0;
};

}  // namespace compila
