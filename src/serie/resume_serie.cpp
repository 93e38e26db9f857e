#include "serie/resume_serie.h"

#include "common/texte_affichable.h"
#include "common/texte_mm.h"
#include "common/texte_nombre.h"
#include "serie/debit.h"

#include <algorithm>
#include <cmath>

namespace bilobe {

namespace {

// "23.4 %": a share to one decimal.
std::string pourcentage(double part) {
  const double dixiemes = std::round(part * 1000);
  return texte_au_centieme(dixiemes / 10) + " %";
}

} // namespace

std::string texte_couples(std::size_t nombre) {
  return std::to_string(nombre) + (nombre == 1 ? " couple" : " couples");
}

std::string ligne_couple(const CoupleTrace& c, bool pour_la_liste) {
  const Gabarit& g = c.gabarit;
  std::string ligne =
      c.couple.nom + " à " + (pour_la_liste ? texte_au_centieme(c.couple.position) : texte_mm(c.couple.position)) +
      " mm : " + texte_au_centieme(g.piece.largeur()) + " x " + texte_au_centieme(g.piece.hauteur()) + " mm, ";
  if (!pour_la_liste) ligne += "anneau " + texte_au_centieme(g.surface) + " mm², ";
  return ligne + "paroi mini " + texte_au_centieme(g.paroi.mince) + " mm";
}

std::string ligne_planche(const SerieTracee& serie, int planche) {
  const Planche& pl = serie.description.planche;
  std::string noms;
  for (std::size_t i = 0; i < serie.couples.size(); ++i)
    if (serie.imbrication.pieces[i].planche == planche) {
      if (!noms.empty()) noms += ", ";
      noms += serie.couples[i].couple.nom;
    }
  return "Planche " + std::to_string(planche + 1) + " (" + texte_mm(pl.largeur) + " x " + texte_mm(pl.hauteur) +
         " mm) : " + noms + " - occupation " + pourcentage(serie.occupation[static_cast<std::size_t>(planche)]);
}

std::string texte_resume_serie(const SerieTracee& serie) {
  const DescriptionSerie& d = serie.description;
  std::string texte = (d.nom.empty() ? std::string("Fuselage") : texte_affichable(d.nom, 200)) + " : " +
                      texte_couples(serie.tous.size()) + " de " + texte_mm(d.stations.front().position) + " à " +
                      texte_mm(d.stations.back().position) + " mm, interpolation " +
                      (d.interpolation == Interpolation::Lisse ? "lisse" : "linéaire") + "\n";
  for (const CoupleTrace& c : serie.couples) texte += ligne_couple(c) + "\n";
  for (int k = 0; k < serie.imbrication.planches; ++k) texte += ligne_planche(serie, k) + "\n";
  if (serie.couples.empty()) return texte; // the 3D fuselage alone: nothing traced as formers
  if (d.pattes)
    texte += "Ligne du chantier à " + texte_au_centieme(serie.chantier) + " mm " +
             (d.pattes->dessus ? "au-dessus de" : "sous") + " la ligne de niveau\n";
  if (!d.gabarit.encoches.empty()) texte += ligne_debit(serie.lisses) + "\n";
  return texte;
}

std::vector<LigneListe> liste_des_couples(const SerieTracee& serie) {
  std::vector<LigneListe> liste;
  std::size_t trace = 0;
  for (const CoupleSerie& c : serie.tous) {
    const auto echec =
        std::find_if(serie.echecs.begin(), serie.echecs.end(), [&](const EchecCouple& e) { return e.nom == c.nom; });
    if (echec == serie.echecs.end())
      liste.push_back({ligne_couple(serie.couples[trace++], true), false});
    else
      liste.push_back({echec->message, true});
  }
  return liste;
}

} // namespace bilobe
