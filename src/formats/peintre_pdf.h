#pragma once

#include "formats/pages_pdf.h"
#include "formats/style_gabarit.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

#include <memory>
#include <string>

// What every 1:1 PDF of the program shares: Qt's writer on A4 pages, one
// unit a millimetre, the line vocabulary, the scale bar and the square.
namespace bilobe::pdf {

inline constexpr int RESOLUTION = 1200; // dots per inch of the drawing
inline constexpr double POINTS_PAR_MM = RESOLUTION / 25.4;

// The writer needs Qt's fonts, which live in a Qt application. The command
// line has none: it gets an off-screen one for the time of the drawing, and
// Qt's own remarks meanwhile (an unset XDG_RUNTIME_DIR…) are not the
// command's words: they are kept off its standard error.
class ApplicationGraphique {
public:
  ApplicationGraphique();
  ~ApplicationGraphique();
  ApplicationGraphique(const ApplicationGraphique&) = delete;
  ApplicationGraphique& operator=(const ApplicationGraphique&) = delete;

private:
  // Qt keeps references to argc and argv for the life of the application.
  int argc_ = 3;
  char nom_[11] = "bilobe-dat", option_[10] = "-platform", plateforme_[10] = "offscreen";
  char* argv_[4] = {nom_, option_, plateforme_, nullptr};
  QtMessageHandler ancien_ = nullptr;
  std::unique_ptr<QGuiApplication> propre_;
};

// A PDF being drawn into memory, page after page, each either way round.
class DocumentPdf {
public:
  explicit DocumentPdf(const std::string& titre);
  // The painter of a new page, in mm from its top left corner.
  QPainter& page(const FeuilleA4& feuille = {});
  // The bytes, dated as the build asks.
  std::string fin();

private:
  ApplicationGraphique application_;
  QByteArray octets_;
  QBuffer tampon_;
  QPdfWriter pdf_;
  QPainter peintre_;
  bool commence_ = false;
  bool paysage_ = false;
};

QColor en_qt(style_gabarit::Couleur c);
QPen stylo(QColor couleur, double largeur_mm, Qt::PenStyle style = Qt::SolidLine);
// A line of the vocabulary on paper.
QPen stylo(const style_gabarit::Trait& trait);

// Text in points whatever the drawing's scale; (x, y) is the baseline's start, in mm.
void texte(QPainter& p, double x, double y, const QString& ligne, double points = style_gabarit::TEXTE.points_imprimes);

// The 50 mm scale bar and the 10 mm square in the page's band.
void echelle(QPainter& p, const FeuilleA4& feuille);

// Three lines of text beside the square.
void lignes_de_bande(QPainter& p, const FeuilleA4& feuille, const QString& une, const QString& deux,
                     const QString& trois);

// The drawing area of a page: framed in dashes when the drawing takes
// several pages; the painter saved, clipped to it and without a brush until
// the caller restores it.
void ouvrir_zone(QPainter& p, const FeuilleA4& feuille, bool en_plusieurs);

// An alignment cross with its circle, centred on c (mm on the page).
void croix(QPainter& p, QPointF c);

} // namespace bilobe::pdf
