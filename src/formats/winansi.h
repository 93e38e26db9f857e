#pragma once

#include <string>
#include <string_view>

namespace bilobe {

// UTF-8 text in the one-byte encoding of PDF's standard fonts (WinAnsi,
// Windows' code page 1252): every French letter, « », ’, œ, € and the like
// keep their byte; a character the fonts lack, a control character or a
// byte that is not UTF-8 becomes "?".
std::string en_winansi(std::string_view utf8);

// The code points of UTF-8 text, one at a time; a byte that does not begin
// a well-formed character is read as U+FFFD on its own.
class LecteurUtf8 {
public:
  explicit LecteurUtf8(std::string_view texte) : texte_(texte) {}
  bool fini() const { return position_ >= texte_.size(); }
  char32_t suivant();

private:
  std::string_view texte_;
  std::size_t position_ = 0;
};

} // namespace bilobe
