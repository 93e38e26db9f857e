#pragma once

#include <string>
#include <string_view>

namespace bilobe {

// UTF-8 text in the one-byte encoding of PDF's standard fonts (WinAnsi,
// Windows' code page 1252): every French letter, « », ’, œ, € and the like
// keep their byte; a character the fonts lack, a control character or a
// byte that is not UTF-8 becomes "?".
std::string en_winansi(std::string_view utf8);

} // namespace bilobe
