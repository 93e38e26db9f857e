#include "serie/profil_svg.h"

#include "common/texte_mm.h"
#include "formats/ecrivain_svg.h"
#include "formats/style_gabarit.h"
#include "formats/texte_xml.h"
#include "serie/debit.h"
#include "serie/lignes_fuselage.h"
#include "serie/resume_serie.h"

#include <algorithm>

namespace bilobe {

namespace {

using namespace style_gabarit;

// Sizes for a fuselage up to 400 mm long; a longer one is drawn at true
// size too, but its words, margins and lines grow with it, so that the
// whole picture stays readable on a screen.
constexpr double LONGUEUR_DE_BASE = 400; // mm
struct Tailles {
  double k = 1;
  double marge() const { return 10 * k; }       // around each view
  double bande_titre() const { return 12 * k; } // above each view, for its title
  double place_noms() const { return 12 * k; }  // above a view's top line, for the formers' names
  double lettres() const { return TEXTE.hauteur * k; }
  double rayon_station() const { return 1.2 * k; }
  double trait(double mm) const { return mm * k; }
};

// A former as a line across the views: green when it can be made; one that
// cannot is red.
constexpr Couleur COULEUR_COUPLE{0, 128, 0};
constexpr Couleur COULEUR_LISSE{128, 0, 255};

bool echoue(const SerieTracee& serie, const std::string& nom) {
  for (const EchecCouple& e : serie.echecs)
    if (e.nom == nom) return true;
  return false;
}

// One view: the positions across, its own vertical (mm, y up) placed so
// that `haut` lands `origine` mm below the top of the picture.
struct Vue {
  double marge;
  double debut; // first station's position
  double origine;
  double haut;
  PointMm operator()(double position, double v) const { return {marge + (position - debut), origine + (haut - v)}; }
};

std::vector<PointMm> points(const Ligne& ligne, const Vue& vue) {
  std::vector<PointMm> p;
  for (std::size_t k = 0; k < ligne.x.size(); ++k) p.push_back(vue(ligne.x[k], ligne.y[k]));
  return p;
}

struct Cotes {
  double haut, bas; // of a former in the view, mm
};

// One view: its title, the two lines of the fuselage with the stations'
// dots, the reference line, and the formers, each with its name above.
void dessiner_vue(DocumentSvg& svg, const SerieTracee& serie, const Tailles& t, const Vue& vue,
                  const std::string& titre, const Ligne& dessus, const Ligne& dessous,
                  const std::vector<Cotes>& couples, const char* reference) {
  const DescriptionSerie& d = serie.description;
  const double fin = d.stations.back().position;
  svg.groupe("fill=\"none\" stroke=\"" + hexa(TEXTE.couleur) + "\" stroke-width=\"" + texte_mm(t.trait(0.35)) + "\"");
  svg.polyligne(points(dessus, vue)).polyligne(points(dessous, vue)).fermer();
  svg.groupe(attributs_trait(REPERES, t.trait(1)));
  svg.ligne(vue(d.stations.front().position - t.marge() / 2, 0), vue(fin + t.marge() / 2, 0)).fermer();
  svg.groupe("fill=\"" + hexa(REPERES.couleur) + "\" stroke=\"none\"");
  for (std::size_t k = 0; k < d.stations.size(); ++k)
    for (const Ligne* l : {&dessus, &dessous}) {
      const auto it = std::find(l->x.begin(), l->x.end(), d.stations[k].position);
      svg.cercle(vue(*it, l->y[static_cast<std::size_t>(it - l->x.begin())]), t.rayon_station());
    }
  svg.fermer();
  // The formers that can be made in green, those that cannot in red.
  for (const bool en_echec : {false, true}) {
    svg.groupe("fill=\"none\" stroke=\"" + hexa(en_echec ? DECOUPE.couleur : COULEUR_COUPLE) + "\" stroke-width=\"" +
               texte_mm(t.trait(en_echec ? 0.5 : 0.25)) + "\"");
    for (std::size_t k = 0; k < couples.size(); ++k)
      if (echoue(serie, serie.tous[k].nom) == en_echec)
        svg.ligne(vue(serie.tous[k].position, couples[k].bas), vue(serie.tous[k].position, couples[k].haut));
    svg.fermer();
  }
  svg.groupe("font-family=\"sans-serif\" font-size=\"" + texte_mm(t.lettres()) + "\" fill=\"" + hexa(TEXTE.couleur) +
             "\" stroke=\"none\"");
  svg.texte({t.marge(), vue.origine - t.place_noms() - t.trait(4)}, titre, " font-weight=\"bold\"");
  svg.texte(vue(fin + t.marge() / 2 + t.trait(1), 0), reference,
            " font-size=\"" + texte_mm(t.trait(2.5)) + "\" dominant-baseline=\"middle\"");
  // The names stand upright, reading upwards, just above the former; one in
  // a few when the formers stand closer than their names are wide, but
  // every former that cannot be made.
  const std::vector<bool> nommes = noms_a_ecrire(serie.tous, t.lettres());
  for (std::size_t k = 0; k < couples.size(); ++k) {
    if (!nommes[k] && !echoue(serie, serie.tous[k].nom)) continue;
    const PointMm pied = vue(serie.tous[k].position, couples[k].haut);
    const PointMm base{pied.x + t.lettres() / 3, pied.y - t.trait(1.5)};
    const std::string couleur = echoue(serie, serie.tous[k].nom) ? " fill=\"" + hexa(DECOUPE.couleur) + "\"" : "";
    svg.texte(base, serie.tous[k].nom,
              " transform=\"rotate(-90 " + texte_mm(base.x) + " " + texte_mm(base.y) + ")\"" + couleur);
  }
  svg.fermer();
}

double plus_haut(const Ligne& l) { return *std::max_element(l.y.begin(), l.y.end()); }
double plus_bas(const Ligne& l) { return *std::min_element(l.y.begin(), l.y.end()); }

} // namespace

// Each stringer's run through the bottoms of its notches, in one view.
void dessiner_lisses(DocumentSvg& svg, const Tailles& t, const Vue& vue, const std::vector<Lisse>& lisses,
                     bool de_dessus) {
  if (lisses.empty()) return;
  svg.groupe("fill=\"none\" stroke=\"" + hexa(COULEUR_LISSE) + "\" stroke-width=\"" + texte_mm(t.trait(0.3)) + "\"");
  for (const Lisse& l : lisses) {
    std::vector<PointMm> run;
    for (const PointMm& p : de_dessus ? l.vue_dessus : l.cote) run.push_back(vue(p.x, p.y));
    svg.polyligne(run);
  }
  svg.fermer();
}

std::string contenu_profil_svg(const SerieTracee& serie) {
  const DescriptionSerie& d = serie.description;
  const Ligne dos = ligne_de(serie, YTOT, 1), ventre = ligne_de(serie, YINF, -1);
  const Ligne droite = ligne_de(serie, XTOT, 1), gauche = ligne_de(serie, XTOT, -1);
  // Each former as cut: the dimensions of its own field texts.
  std::vector<Cotes> cote, dessus;
  for (const CoupleSerie& c : serie.tous) {
    cote.push_back({c.cotes[YTOT], -c.cotes[YINF]});
    const double demi = c.cotes[XTOT];
    dessus.push_back({demi, -demi});
  }
  double haut_cote = plus_haut(dos), bas_cote = plus_bas(ventre), haut_dessus = plus_haut(droite);
  for (std::size_t k = 0; k < cote.size(); ++k) {
    haut_cote = std::max(haut_cote, cote[k].haut);
    bas_cote = std::min(bas_cote, cote[k].bas);
    haut_dessus = std::max(haut_dessus, dessus[k].haut);
  }

  const double longueur = d.stations.back().position - d.stations.front().position;
  const Tailles t{std::max(1.0, longueur / LONGUEUR_DE_BASE)};
  const double largeur = longueur + 2 * t.marge() + t.trait(20); // room for the reference line's word
  const double debut = d.stations.front().position;
  const Vue vue_cote{t.marge(), debut, t.bande_titre() + t.place_noms() + t.marge(), haut_cote};
  const double bas_vue_cote = vue_cote.origine + (haut_cote - bas_cote);
  const Vue vue_dessus{t.marge(), debut, bas_vue_cote + t.marge() + t.bande_titre() + t.place_noms(), haut_dessus};
  const double hauteur = vue_dessus.origine + 2 * haut_dessus + t.marge();
  const std::string nom = d.nom.empty() ? "Fuselage" : texte_xml(d.nom);

  DocumentSvg svg(largeur, hauteur, false);
  svg.titre(nom + " - profil").rectangle(" fill=\"#ffffff\"", 2);
  const std::string lissage = d.interpolation == Interpolation::Lisse ? "lisse" : "linéaire";
  const std::string suite = " - " + texte_couples(serie.tous.size()) + ", interpolation " + lissage;
  dessiner_vue(svg, serie, t, vue_cote, nom + " : vue de côté" + suite, dos, ventre, cote, "niveau");
  dessiner_vue(svg, serie, t, vue_dessus, nom + " : vue de dessus", droite, gauche, dessus, "axe");
  dessiner_lisses(svg, t, vue_cote, serie.lisses, false);
  dessiner_lisses(svg, t, vue_dessus, serie.lisses, true);
  return svg.fin();
}

} // namespace bilobe
