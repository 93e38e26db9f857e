#include "serie/ecriture_serie.h"

#include "common/texte_affichable.h"
#include "common/texte_nombre.h"
#include "formats/ecriture_export.h"
#include "formats/impression_a4.h"
#include "formats/stl.h"
#include "serie/debit.h"
#include "serie/dessins_serie.h"
#include "serie/fuselage_3d.h"
#include "serie/planches.h"
#include "serie/profil_svg.h"
#include "serie/resume_serie.h"

namespace bilobe {

namespace {

int nombre_de_fichiers(const SerieTracee& serie, const FormatsSerie& f) {
  using enum FormatSerie;
  const bool couples = f.demande_couples();
  return (f[Dat] ? static_cast<int>(serie.couples.size()) : 0) + (f[Svg] ? serie.imbrication.planches : 0) + f[Dxf] +
         2 * f[Pdf] + f[Plan] + couples * (1 + !serie.description.gabarit.encoches.empty()) +
         (f[Stl] ? static_cast<int>(nombre_de_pieces(serie.description)) : 0);
}

// A PDF too large to print names its file, and how to leave it out.
std::string pdf_a4(const std::vector<DessinAImprimer>& dessins, const std::string& titre, const char* fichier,
                   const char* format) {
  try {
    return contenu_pdf_a4(dessins, titre);
  } catch (const Depassement& e) {
    lever(e.genre(), fichier,
          e.detail() + " : écrivez la série sans « " + format + " » (--format, ou sa case dans la fenêtre)");
  }
}

// Files kept in the order they are made, with a word after each.
struct FichiersFaits {
  std::vector<FichierPrepare> liste;
  const std::function<void()>& apres_chaque;
  void push_back(FichierPrepare f) {
    liste.push_back(std::move(f));
    if (apres_chaque) apres_chaque();
  }
};

} // namespace

std::vector<FichierPrepare> fichiers_serie(const SerieTracee& serie, const FormatsSerie& formats,
                                           const std::function<void()>& apres_chaque) {
  using enum FormatSerie;
  FichiersFaits fichiers{{}, apres_chaque};
  if (formats[Dat])
    for (const CoupleTrace& c : serie.couples)
      fichiers.push_back({c.couple.nom + ".dat", contenu_export(c.trace, FormatGabarit::Dat).octets});
  if (formats[Svg])
    for (int k = 0; k < serie.imbrication.planches; ++k)
      fichiers.push_back({"Planche " + std::to_string(k + 1) + ".svg", contenu_planche_svg(serie, k)});
  if (formats[Dxf]) fichiers.push_back({"Planches.dxf", contenu_planches_dxf(serie)});
  const std::string nom = serie.description.nom.empty() ? "Fuselage" : serie.description.nom;
  if (formats[Pdf]) {
    const Planche& pl = serie.description.planche;
    std::vector<Dessin> planches;
    for (int k = 0; k < serie.imbrication.planches; ++k) planches.push_back(dessin_planche(serie, k));
    std::vector<DessinAImprimer> a_imprimer;
    for (int k = 0; k < serie.imbrication.planches; ++k)
      a_imprimer.push_back({&planches[static_cast<std::size_t>(k)],
                            nom + " - planche " + std::to_string(k + 1) + "/" + std::to_string(planches.size()) + " (" +
                                texte_au_centieme(pl.largeur) + " x " + texte_au_centieme(pl.hauteur) + " mm)"});
    fichiers.push_back({"Planches.pdf", pdf_a4(a_imprimer, nom + " - planches", "Planches.pdf", "pdf")});
    const std::vector<PageCouples> pages = pages_couples(serie);
    a_imprimer.clear();
    for (const PageCouples& p : pages) a_imprimer.push_back({&p.dessin, p.legende});
    fichiers.push_back(
        {"Couples.pdf", pdf_a4(a_imprimer, nom + " - " + texte_couples(serie.couples.size()), "Couples.pdf", "pdf")});
  }
  if (formats[Plan]) {
    const Dessin plan = dessin_plan(serie);
    fichiers.push_back({"Plan.pdf", pdf_a4({{&plan, nom + " - plan 1:1"}}, nom + " - plan", "Plan.pdf", "plan")});
  }
  if (formats[Stl]) {
    const std::vector<Maillage> pieces = pieces_du_fuselage(serie.description);
    for (std::size_t k = 0; k < pieces.size(); ++k) {
      const std::string piece = pieces.size() > 1 ? " " + std::to_string(k + 1) : "";
      const std::string entete = nom + piece + " - " + std::to_string(pieces[k].triangles.size()) + " triangles, mm";
      fichiers.push_back({"Fuselage" + piece + ".stl", contenu_stl(pieces[k], entete)});
    }
  }
  if (formats.demande_couples()) {
    fichiers.push_back({"Profil.svg", contenu_profil_svg(serie)});
    if (!serie.description.gabarit.encoches.empty()) fichiers.push_back({"Debit.csv", texte_debit(serie.lisses)});
  }
  return std::move(fichiers.liste);
}

SerieExportee exporter_serie(const DescriptionSerie& description, const std::string& dossier,
                             const FormatsSerie& formats, const Progression& progression, Fichiers& fichiers_ecrits,
                             const Interruption* arret) {
  // Everything is traced, nested and drawn before the first file is written.
  const SerieTracee serie = preparer_serie(description,
                                           formats.demande_planches()  ? Preparation::Planches
                                           : formats.demande_couples() ? Preparation::Couples
                                                                       : Preparation::Positions,
                                           arret);
  const int total = 1 + 2 * nombre_de_fichiers(serie, formats);
  int fait = 1; // the trace and the nesting
  if (progression) progression(fait, total);
  const std::function<void()> avancer = [&] {
    ++fait;
    if (progression) progression(fait, total);
  };
  const std::vector<FichierPrepare> fichiers = fichiers_serie(serie, formats, [&] {
    verifier(arret);
    avancer();
  });
  verifier(arret); // the last moment: once a file is written, the export goes to its end
  SerieExportee exportee;
  exportee.chemins = fichiers_ecrits.ecrire_dossier(dossier, fichiers, avancer);
  exportee.sommaire = texte_resume_serie(serie);
  exportee.resume = exportee.sommaire + "Fichiers écrits :\n";
  for (const std::string& chemin : exportee.chemins) exportee.resume += "  " + texte_affichable(chemin) + "\n";
  return exportee;
}

} // namespace bilobe
