#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace bilobe {

// The parser recurses once per part of a dotted key and per level of nesting;
// beyond these bounds a file is refused before it is parsed, so that no file
// can exhaust the stack.
inline constexpr std::size_t PARTIES_DE_CLE_MAX = 64;
inline constexpr std::size_t IMBRICATION_MAX = 64;

struct DepassementToml {
  std::size_t ligne; // from 1
  std::string message;
};

// The first place where a TOML text goes beyond either bound: a key of more
// parts, or tables, inline tables and arrays nested deeper. Strings and
// comments are skipped as the parser skips them.
std::optional<DepassementToml> depassement_toml(std::string_view texte);

} // namespace bilobe
