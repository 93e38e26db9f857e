#pragma once

#include "formats/ecrivain_pdf.h"
#include "formats/pages_pdf.h"

#include <string>

// What every 1:1 page of the program carries around its drawing, in our PDF.
namespace bilobe::bande_a4 {

// The 50 mm scale bar and the 10 mm square in the page's band.
void echelle(EcrivainPdf& pdf, const FeuilleA4& feuille);

// Three lines of text beside the square.
void lignes(EcrivainPdf& pdf, const FeuilleA4& feuille, const std::string& une, const std::string& deux,
            const std::string& trois);

// The drawing area of a page: framed in dashes when the drawing takes
// several pages, and what follows clipped to it until `fin_decoupe`.
void ouvrir_zone(EcrivainPdf& pdf, const FeuilleA4& feuille, bool en_plusieurs);

// An alignment cross with its circle, centred on c (mm on the page).
void croix(EcrivainPdf& pdf, PointMm c);

} // namespace bilobe::bande_a4
