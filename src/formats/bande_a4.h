#pragma once

#include "formats/ecrivain_pdf.h"
#include "formats/pages_pdf.h"

#include <string>

// What every 1:1 page of the program carries around its drawing, in our PDF.
namespace bilobe::bande_a4 {

// The page's band: the 50 mm scale bar, the 10 mm square and beside it
// three lines, the drawing's caption, how to print, and the page's place
// after `avant` ("F3 - Page 2/4 (ligne 1, colonne 2)").
void bande(EcrivainPdf& pdf, const FeuilleA4& feuille, const std::string& legende, const std::string& avant,
           std::size_t numero, std::size_t total, const PageGabarit& page);

// The drawing area of a page: framed in dashes when the drawing takes
// several pages, and what follows clipped to it until `fin_decoupe`.
void ouvrir_zone(EcrivainPdf& pdf, const FeuilleA4& feuille, bool en_plusieurs);

// An alignment cross with its circle, centred on c (mm on the page).
void croix(EcrivainPdf& pdf, PointMm c);

} // namespace bilobe::bande_a4
