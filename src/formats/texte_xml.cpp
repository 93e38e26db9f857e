#include "formats/texte_xml.h"

namespace bilobe {

std::string texte_xml(std::string_view texte) {
  std::string xml;
  xml.reserve(texte.size());
  for (const char c : texte) {
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
      xml += static_cast<unsigned char>(c) < 0x20 || c == 0x7f ? ' ' : c;
    }
  }
  return xml;
}

} // namespace bilobe
