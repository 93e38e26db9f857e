#pragma once

#include "export/remise.h"

#include <string>

namespace bilobe {

// Fixed text of a number, pattern "#0.00000": rounded to five decimals (an
// exact tie away from zero), at least one integer digit, never an exponent;
// a value that rounds to zero is "0.00000", without a minus sign.
std::string texte_fixe(double valeur);

// Puts "." in place of the sixth character from the end, whatever it is: the
// decimal separator of a number written with exactly five decimals. The
// writer does it in place, in the file's text.
std::string remp_virg_point(const std::string& Nb);
void remp_virg_point_en_place(char* Nb, std::size_t longueur);

// UTF-8 to Windows-1252 for the comment line ("é" is the byte 0xE9); a
// character that has no single byte there becomes "?".
std::string vers_windows_1252(const std::string& utf8);

// The bytes of the .DAT file: the comment, then one line per point, every
// line ended by CR LF.
std::string contenu_dat(const DonneesExport& donnees);

} // namespace bilobe
