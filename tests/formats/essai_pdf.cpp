// Writes a PDF of every element the writer draws, for the outside readers
// (verifier_pdf.py): a 10 mm square and a 200 mm bar to measure, lines
// solid and dashed, words with French accents, both ways round.
#include "formats/ecrivain_pdf.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage : essai_pdf FICHIER.pdf\n";
    return 2;
  }
  using bilobe::EcrivainPdf;
  EcrivainPdf pdf("Essai « F1 » — découpe");
  pdf.page(210, 297)
      .surface({{20, 20}, {30, 20}, {30, 30}, {20, 30}}, {0, 0, 0})
      .ligne({{20, 50}, {190, 50}}, false, {255, 0, 0}, 0.2)
      .ligne({{20, 60}, {100, 60}, {100, 90}, {20, 90}}, true, {0, 0, 255}, 0.15, 3, 1.5)
      .texte({20, 110}, "Échelle 1:1 — découpe, « F1 », œuvre, 12,5 mm", 8, {0, 0, 0})
      .texte({105, 130}, "Centré", 10, {0, 0, 0}, EcrivainPdf::Ancre::Milieu)
      .texte({190, 140}, "À droite", 10, {0, 0, 0}, EcrivainPdf::Ancre::Fin);
  pdf.page(297, 210)
      .surface({{40, 100}, {240, 100}, {240, 102}, {40, 102}}, {0, 0, 0})
      .texte({40, 120}, "Paysage : barre de 200 mm", 8, {0, 0, 0});
  std::ofstream sortie(argv[1], std::ios::binary);
  sortie << pdf.fin();
  return sortie.good() ? 0 : 1;
}
