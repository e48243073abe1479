#pragma once

#include <array>
#include <string_view>

namespace keymint
{

// The symbol of each drawn value: row k holds the symbol for the value k (1 to 36),
// so the letters come first, then the digits "1" to "9", and "0" last.
inline constexpr std::array<std::string_view, 36> SymbolAlphabet = {
    "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p", "q", "r",
    "s", "t", "u", "v", "w", "x", "y", "z", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0",
};

} // namespace keymint
