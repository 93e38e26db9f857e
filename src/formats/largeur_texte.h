#pragma once

#include <string>
#include <string_view>

namespace bilobe {

// The width of a line of text as CAD programs draw it in a sans-serif face
// (Helvetica's widths, shared by Arial and Liberation Sans) scaled to a cap
// height of `hauteur`, as DXF's text height is. Characters outside Latin-1
// count as wide as a digit.
double largeur_texte(const std::string& utf8, double hauteur);

// The advance of text in PDF's standard Helvetica, in thousandths of the
// font's size, the text in WinAnsi bytes (see en_winansi).
double largeur_winansi(std::string_view octets);

} // namespace bilobe
