#include "formats/ecrivain_pdf.h"

#include "common/chiffres.h"
#include "common/erreurs.h"
#include "common/utf8.h"
#include "formats/date_pdf.h"
#include "formats/largeur_texte.h"
#include "formats/winansi.h"

#include <cmath>

namespace bilobe {

namespace {

std::string couleur_pdf(style_gabarit::Couleur c) {
  return nombre_pdf(c.rouge / 255.0) + " " + nombre_pdf(c.vert / 255.0) + " " + nombre_pdf(c.bleu / 255.0);
}

// A literal string: its bytes as they are, the three PDF sets apart escaped,
// those beyond ASCII in octal, so that the file stays plain text.
std::string chaine_pdf(const std::string& octets) {
  std::string r = "(";
  for (const char c : octets) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '(' || c == ')' || c == '\\') {
      r += '\\';
      r += c;
    } else if (u < 0x20 || u >= 0x7F) {
      r += {'\\', static_cast<char>('0' + (u >> 6)), static_cast<char>('0' + ((u >> 3) & 7u)),
            static_cast<char>('0' + (u & 7u))};
    } else {
      r += c;
    }
  }
  return r + ")";
}

// A text string of the document's information: UTF-16, big end first, in hex.
std::string chaine_unicode(const std::string& utf8) {
  std::string r = "<FEFF";
  const auto unite = [&](unsigned u) {
    constexpr const char* HEX = "0123456789ABCDEF";
    for (int decalage = 12; decalage >= 0; decalage -= 4) r += HEX[(u >> decalage) & 0xFu];
  };
  for (std::size_t i = 0; i < utf8.size();) {
    const CaractereUtf8 lu = caractere_utf8(utf8, i);
    i += lu.longueur;
    char32_t c = lu.valide ? lu.code : 0xFFFD;
    if (c < 0x20 || c == 0x7F) c = ' ';
    if (c >= 0x10000) {
      c -= 0x10000;
      unite(0xD800u + (static_cast<unsigned>(c) >> 10));
      unite(0xDC00u + (static_cast<unsigned>(c) & 0x3FFu));
    } else {
      unite(static_cast<unsigned>(c));
    }
  }
  return r + ">";
}

// The number in `chiffres` digits at least, zeros in front.
std::string sur(std::int64_t n, std::size_t chiffres) {
  std::string r = std::to_string(n);
  return r.size() < chiffres ? std::string(chiffres - r.size(), '0') + r : r;
}

} // namespace

std::string nombre_pdf(double x) {
  if (!std::isfinite(x)) lever(GenreErreur::Depassement, "PDF", "nombre non fini");
  const double arrondi = std::round(x * 1000) / 1000;
  if (arrondi == 0) return "0";
  char texte[64];
  char* fin = chiffres::fixe(texte, texte + sizeof texte, arrondi, 3);
  if (!fin) lever(GenreErreur::Depassement, "PDF", "nombre trop grand");
  std::string r(texte, fin);
  r.erase(r.find_last_not_of('0') + 1);
  if (r.back() == '.') r.pop_back();
  return r;
}

std::string date_pdf(std::int64_t secondes) {
  const std::int64_t jours = (secondes >= 0 ? secondes : secondes - 86399) / 86400;
  const std::int64_t reste = secondes - jours * 86400;
  std::int64_t annee = 0;
  unsigned mois = 0, jour = 0;
  date_civile(jours, annee, mois, jour);
  return "D:" + sur(annee, 4) + sur(mois, 2) + sur(jour, 2) + sur(reste / 3600, 2) + sur(reste / 60 % 60, 2) +
         sur(reste % 60, 2) + "Z";
}

EcrivainPdf::EcrivainPdf(const std::string& titre, std::optional<std::int64_t> date) : titre_(titre), date_(date) {}

EcrivainPdf& EcrivainPdf::page(double largeur, double hauteur) {
  if (!contenus_.empty()) fin_decoupe();
  // Cut, not rounded, to the thousandth of a point: an A4 page is not a
  // pixel taller than A4 at any resolution.
  const auto vers_points = [](double mm) { return std::floor(mm * POINTS_PAR_MM * 1000) / 1000; };
  formats_.push_back({vers_points(largeur), vers_points(hauteur)});
  contenus_.emplace_back();
  return *this;
}

std::string& EcrivainPdf::contenu() {
  if (contenus_.empty()) lever(GenreErreur::OperationInvalide, "PDF", "dessin avant la première page");
  return contenus_.back();
}

void EcrivainPdf::point(PointMm p, const char* operateur) {
  contenu() += nombre_pdf(p.x * POINTS_PAR_MM) + " " + nombre_pdf(formats_.back().hauteur - p.y * POINTS_PAR_MM) + " " +
               operateur + "\n";
}

EcrivainPdf& EcrivainPdf::ligne(const std::vector<PointMm>& points, bool fermee, style_gabarit::Couleur couleur,
                                double epaisseur, double tiret, double espace) {
  if (points.size() < 2) return *this;
  std::string& c = contenu();
  c += couleur_pdf(couleur) + " RG " + nombre_pdf(epaisseur * POINTS_PAR_MM) + " w ";
  c += tiret > 0 && espace > 0
           ? "[" + nombre_pdf(tiret * POINTS_PAR_MM) + " " + nombre_pdf(espace * POINTS_PAR_MM) + "] 0 d\n"
           : "[] 0 d\n";
  for (std::size_t k = 0; k < points.size(); ++k) point(points[k], k == 0 ? "m" : "l");
  contenu() += fermee ? "s\n" : "S\n";
  return *this;
}

EcrivainPdf& EcrivainPdf::surface(const std::vector<PointMm>& points, style_gabarit::Couleur couleur) {
  if (points.size() < 3) return *this;
  contenu() += couleur_pdf(couleur) + " rg\n";
  for (std::size_t k = 0; k < points.size(); ++k) point(points[k], k == 0 ? "m" : "l");
  contenu() += "h f\n";
  return *this;
}

EcrivainPdf& EcrivainPdf::cercle(PointMm c, double rayon, style_gabarit::Couleur couleur, double epaisseur) {
  // The control points of a quarter circle, this far along its tangents.
  constexpr double K = 0.5522847498307936;
  const double r = rayon, k = K * rayon;
  std::string& t = contenu();
  t += couleur_pdf(couleur) + " RG " + nombre_pdf(epaisseur * POINTS_PAR_MM) + " w [] 0 d\n";
  const auto pt = [&](double dx, double dy) {
    return nombre_pdf((c.x + dx) * POINTS_PAR_MM) + " " +
           nombre_pdf(formats_.back().hauteur - (c.y + dy) * POINTS_PAR_MM);
  };
  t += pt(r, 0) + " m\n";
  t += pt(r, k) + " " + pt(k, r) + " " + pt(0, r) + " c\n";
  t += pt(-k, r) + " " + pt(-r, k) + " " + pt(-r, 0) + " c\n";
  t += pt(-r, -k) + " " + pt(-k, -r) + " " + pt(0, -r) + " c\n";
  t += pt(k, -r) + " " + pt(r, -k) + " " + pt(r, 0) + " c\ns\n";
  return *this;
}

EcrivainPdf& EcrivainPdf::texte(PointMm p, const std::string& utf8, double points, style_gabarit::Couleur couleur,
                                Ancre ancre, bool montant) {
  const std::string octets = en_winansi(utf8);
  const double largeur = largeur_winansi(octets) / 1000 * points; // points
  const double recul = ancre == Ancre::Debut ? 0 : ancre == Ancre::Milieu ? largeur / 2 : largeur;
  const double x = p.x * POINTS_PAR_MM, y = formats_.back().hauteur - p.y * POINTS_PAR_MM;
  // The text's own frame: along the baseline, then across it.
  const std::string repere = montant ? "0 1 -1 0 " + nombre_pdf(x) + " " + nombre_pdf(y - recul)
                                     : "1 0 0 1 " + nombre_pdf(x - recul) + " " + nombre_pdf(y);
  contenu() += "BT " + couleur_pdf(couleur) + " rg /F1 " + nombre_pdf(points) + " Tf " + repere + " Tm " +
               chaine_pdf(octets) + " Tj ET\n";
  return *this;
}

EcrivainPdf& EcrivainPdf::decouper(double gauche, double haut, double largeur, double hauteur) {
  if (decoupe_) fin_decoupe();
  contenu() += "q " + nombre_pdf(gauche * POINTS_PAR_MM) + " " +
               nombre_pdf(formats_.back().hauteur - (haut + hauteur) * POINTS_PAR_MM) + " " +
               nombre_pdf(largeur * POINTS_PAR_MM) + " " + nombre_pdf(hauteur * POINTS_PAR_MM) + " re W n\n";
  decoupe_ = true;
  return *this;
}

EcrivainPdf& EcrivainPdf::fin_decoupe() {
  if (decoupe_) contenu() += "Q\n";
  decoupe_ = false;
  return *this;
}

std::string EcrivainPdf::fin() const {
  // Objects: 1 the catalogue, 2 the page tree, 3 the font, 4 the
  // information, then each page and its content.
  std::string pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
  std::vector<std::size_t> positions;
  const auto objet = [&](const std::string& corps) {
    positions.push_back(pdf.size());
    pdf += std::to_string(positions.size()) + " 0 obj\n" + corps + "\nendobj\n";
  };
  const auto numero_page = [](std::size_t k) { return std::to_string(5 + 2 * k); };
  objet("<< /Type /Catalog /Pages 2 0 R >>");
  std::string kids;
  for (std::size_t k = 0; k < contenus_.size(); ++k) kids += (k ? " " : "") + numero_page(k) + " 0 R";
  objet("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(contenus_.size()) + " >>");
  objet("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
  std::string info = "<< /Title " + chaine_unicode(titre_) + " /Producer " + chaine_unicode("Couple bi-lobé");
  if (date_) info += " /CreationDate (" + date_pdf(*date_) + ")";
  objet(info + " >>");
  for (std::size_t k = 0; k < contenus_.size(); ++k) {
    objet("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + nombre_pdf(formats_[k].largeur) + " " +
          nombre_pdf(formats_[k].hauteur) + "] /Resources << /Font << /F1 3 0 R >> >> /Contents " +
          std::to_string(6 + 2 * k) + " 0 R >>");
    // A clip left open closes with its page.
    const std::string flux = contenus_[k] + (decoupe_ && k + 1 == contenus_.size() ? "Q\n" : "");
    objet("<< /Length " + std::to_string(flux.size()) + " >>\nstream\n" + flux + "endstream");
  }
  const std::size_t xref = pdf.size();
  pdf += "xref\n0 " + std::to_string(positions.size() + 1) + "\n0000000000 65535 f \n";
  for (const std::size_t p : positions) pdf += sur(static_cast<std::int64_t>(p), 10) + " 00000 n \n";
  pdf += "trailer\n<< /Size " + std::to_string(positions.size() + 1) + " /Root 1 0 R /Info 4 0 R >>\nstartxref\n" +
         std::to_string(xref) + "\n%%EOF\n";
  return pdf;
}

} // namespace bilobe
