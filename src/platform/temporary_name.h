#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace compila {

// The longest file name, in bytes, that the systems the program runs on
// take for one directory entry.
inline constexpr size_t nome_massimo = 255;

// The name of a temporary beside the file `nome`: the name, "." and the
// number in 8 hex digits, ".tmp". Where that would be longer than `massimo`
// bytes the name is cut (never inside a UTF-8 character) so that it fits:
// a temporary's name fits wherever its target's does.
std::string nome_temporaneo(std::string_view nome, uint32_t numero,
                            size_t massimo = nome_massimo);

}  // namespace compila
