#include "common/texte_affichable.h"

#include <gtest/gtest.h>

namespace bilobe {
namespace {

TEST(TexteAffichable, UneLigneSureEtCoupeEntreDeuxCaracteres) {
  struct Cas {
    std::string texte;
    std::size_t max;
    std::string attendu;
  };
  const std::size_t tout = std::string::npos;
  const Cas cas[] = {
      {"1e400", tout, "1e400"},
      {"bi-lobé", tout, "bi-lobé"},
      {"a\nb\rc\td", tout, "a\\nb\\rc\\td"},
      {"\x1b[31mrouge", tout, "\\x1b[31mrouge"},
      {"\x7f", tout, "\\x7f"},
      {std::string("a\0b", 3), tout, "a\\x00b"},
      {"Latin-1 \xe9t\xe9", tout, "Latin-1 \\xe9t\\xe9"}, // not UTF-8
      {"\xc0\xaf", tout, "\\xc0\\xaf"},                   // overlong
      {"\xed\xa0\x80", tout, "\\xed\\xa0\\x80"},          // a surrogate
      {"\xe2\x82", tout, "\\xe2\\x82"},                   // cut short
      {"\xf0\x9f\x98\x80", tout, "\xf0\x9f\x98\x80"},     // four bytes
      {"abcdé", 5, "abcd"},                               // é would straddle the cut
      {"abcdé", 6, "abcdé"},
      {"ab\ncd", 3, "ab\\n"},
      {std::string(50, '9'), 40, std::string(40, '9')},
  };
  for (const Cas& k : cas) EXPECT_EQ(texte_affichable(k.texte, k.max), k.attendu) << k.texte;
}

} // namespace
} // namespace bilobe
