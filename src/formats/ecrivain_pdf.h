#pragma once

#include "formats/style_gabarit.h"
#include "geometry/boucle.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace bilobe {

inline constexpr double POINTS_PAR_MM = 72 / 25.4;

// A PDF 1.4 written straight into memory, page after page, in millimetres
// from each page's top left corner, y down. Lines are paths in points, the
// words in the standard Helvetica (nothing embedded), French accents
// through WinAnsi. The same calls give the same bytes on every computer;
// the file carries a date only when one is given.
class EcrivainPdf {
public:
  // `date`: seconds since 1970, UTC, for the creation date.
  explicit EcrivainPdf(const std::string& titre, std::optional<std::int64_t> date = std::nullopt);

  // A new page, `largeur` x `hauteur` mm.
  EcrivainPdf& page(double largeur, double hauteur);

  // A line through the points, closed or not, `epaisseur` mm wide, dashed
  // when `tiret` and `espace` (mm) are given.
  EcrivainPdf& ligne(const std::vector<PointMm>& points, bool fermee, style_gabarit::Couleur couleur, double epaisseur,
                     double tiret = 0, double espace = 0);
  // A filled polygon.
  EcrivainPdf& surface(const std::vector<PointMm>& points, style_gabarit::Couleur couleur);

  // A circle about `c`, `rayon` mm, in four Bézier arcs.
  EcrivainPdf& cercle(PointMm c, double rayon, style_gabarit::Couleur couleur, double epaisseur);

  enum class Ancre { Debut, Milieu, Fin };
  // A line of text of `points` points, its baseline through `p`, which is its
  // start, middle or end; reading upwards when `montant`.
  EcrivainPdf& texte(PointMm p, const std::string& utf8, double points, style_gabarit::Couleur couleur,
                     Ancre ancre = Ancre::Debut, bool montant = false);

  // Until `fin_decoupe`, only what falls within the box (mm from the page's
  // top left corner) is drawn.
  EcrivainPdf& decouper(double gauche, double haut, double largeur, double hauteur);
  EcrivainPdf& fin_decoupe();

  int pages() const { return static_cast<int>(contenus_.size()); }

  // The whole file.
  std::string fin() const;

private:
  std::string& contenu();
  void point(PointMm p, const char* operateur);

  std::string titre_;
  std::optional<std::int64_t> date_;
  struct Format {
    double largeur, hauteur; // points
  };
  std::vector<Format> formats_;
  std::vector<std::string> contenus_;
  bool decoupe_ = false;
};

// "D:20261209211500Z" for a count of seconds since 1970, UTC.
std::string date_pdf(std::int64_t secondes);

// A number for a PDF: fixed, "." as separator whatever the locale, at most
// three decimals, no trailing zeros, "0" for what rounds to zero.
std::string nombre_pdf(double x);

} // namespace bilobe
