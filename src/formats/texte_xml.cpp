#include "formats/texte_xml.h"

namespace bilobe {

std::string texte_sans_controles(std::string_view texte) {
  std::string propre;
  propre.reserve(texte.size());
  for (std::size_t k = 0; k < texte.size(); ++k) {
    const auto octet = static_cast<unsigned char>(texte[k]);
    // U+FFFE and U+FFFF (EF BF BE, EF BF BF): not characters at all.
    if (octet == 0xEF && k + 2 < texte.size() && static_cast<unsigned char>(texte[k + 1]) == 0xBF &&
        (static_cast<unsigned char>(texte[k + 2]) & 0xFE) == 0xBE) {
      k += 2;
      continue;
    }
    propre += octet < 0x20 || octet == 0x7f ? ' ' : texte[k];
  }
  return propre;
}

std::string texte_xml(std::string_view texte) {
  std::string xml;
  xml.reserve(texte.size());
  for (const char c : texte_sans_controles(texte)) {
    switch (c) {
    case '&':
      xml += "&amp;";
      break;
    case '<':
      xml += "&lt;";
      break;
    case '>':
      xml += "&gt;";
      break;
    case '"':
      xml += "&quot;";
      break;
    case '\'':
      xml += "&apos;";
      break;
    default:
      xml += c;
    }
  }
  return xml;
}

} // namespace bilobe
