#include "cli/options_serie.h"

#include "cli/arguments.h"

#include "common/texte_affichable.h"

namespace bilobe::cli {

std::optional<OptionsSerie> analyser_serie(const std::vector<std::string>& arguments, std::string& erreur) {
  using Valeur = Option<OptionsSerie>::Valeur;
  using Resultat = std::optional<std::string>;
  static const std::vector<Option<OptionsSerie>> table{
      {{"--help", "-h"},
       Valeur::Ignoree,
       [](OptionsSerie& o, auto&, auto&) -> Resultat {
         o.aide = true;
         return std::nullopt;
       }},
      {{"-o", "--sortie"},
       Valeur::Requise,
       [](OptionsSerie& o, const std::string& nom, const std::optional<std::string>& dossier) -> Resultat {
         if (!dossier || dossier->empty()) return "l'option " + nom + " attend un dossier";
         o.dossier = *dossier;
         o.sortie_donnee = true;
         return std::nullopt;
       }},
      {{"--format"},
       Valeur::Requise,
       [](OptionsSerie& o, auto&, const std::optional<std::string>& texte) -> Resultat {
         const auto formats = texte ? formats_depuis(*texte) : std::nullopt;
         if (!formats)
           return "l'option --format attend une liste parmi " + noms_des_formats() + ", séparés par des virgules";
         o.formats = *formats;
         o.formats_donnes = true;
         return std::nullopt;
       }},
      {{"--depuis-lignes"},
       Valeur::Requise,
       [](OptionsSerie& o, const std::string& nom, const std::optional<std::string>& fichier) -> Resultat {
         if (!fichier || fichier->empty()) return "l'option " + nom + " attend un fichier de lignes";
         o.lignes = *fichier;
         return std::nullopt;
       }},
  };
  OptionsSerie options;
  std::optional<std::string> fichier;
  // A value never starts with "-": it would be the next option.
  Arguments a(arguments, [](const std::string& suivant) { return suivant.rfind('-', 0) == 0; });
  // Anything else is an unknown option, or the fuselage file.
  const auto autre = [&fichier](Arguments& a) -> Resultat {
    if (a.nom().size() > 1 && a.nom()[0] == '-') return "option inconnue : " + texte_affichable(a.brut(), 40);
    if (fichier) return "un seul fichier de fuselage à la fois";
    fichier = a.brut();
    return std::nullopt;
  };
  if (const Resultat e = parcourir<OptionsSerie>(a, table, options, autre)) {
    erreur = *e;
    return std::nullopt;
  }
  if (options.lignes && !options.aide) {
    if (fichier)
      erreur = "--depuis-lignes écrit un fichier de fuselage : il n'en lit pas";
    else if (!options.sortie_donnee)
      erreur = "--depuis-lignes attend -o FICHIER.toml";
    else if (options.formats_donnes)
      erreur = "--depuis-lignes n'écrit que le fichier de fuselage : pas de --format";
    if (!erreur.empty()) return std::nullopt;
    return options;
  }
  if (!fichier && !options.aide) {
    erreur = "il manque le fichier de fuselage";
    return std::nullopt;
  }
  options.fichier = fichier.value_or("");
  return options;
}

std::string texte_usage_serie() {
  return "Usage : bilobe-serie FICHIER.toml [-o DOSSIER] [--format dat,svg,dxf,pdf,plan,stl]\n"
         "        bilobe-serie --depuis-lignes LIGNES.toml -o FICHIER.toml\n"
         "Essayez « bilobe-serie --help » pour plus d'informations.\n";
}

std::string texte_aide_serie() {
  return "bilobe-serie : tous les couples d'un fuselage à partir de quelques stations.\n\n"
         "Le fichier FICHIER.toml décrit les stations (position et les huit cotes du couple),\n"
         "le nombre de couples ou leurs positions, l'interpolation (« lineaire » ou « lisse »)\n"
         "et la planche de matériau. Chaque couple est tracé exactement comme la fenêtre le\n"
         "trace à partir des mêmes textes de champs, cotes arrondies au centième de mm.\n\n"
         "Fichiers écrits dans DOSSIER :\n"
         "  F1.dat … FN.dat   les points de chaque couple, comme « Sauver le fichier »\n"
         "  Planche 1.svg …   les couples imbriqués sur les planches, en vraie grandeur\n"
         "  Planches.dxf      toutes les planches côte à côte (calques PLANCHE, CONTOUR, REPERES)\n"
         "  Planches.pdf      chaque planche imbriquée à 1:1 sur A4, pour coller sur le bois\n"
         "  Couples.pdf       le gabarit 1:1 de chaque couple sur A4, plusieurs par page\n"
         "  Plan.pdf          les vues de côté et de dessus à 1:1, à assembler sur le chantier\n"
         "  Profil.svg        le fuselage vu de côté et de dessus, avec les couples\n"
         "  Fuselage.stl      le fuselage entier en 3D (STL binaire, mm), pour l'imprimer ou\n"
         "                    tailler un mandrin ; Fuselage 1.stl … s'il est coupé en tronçons\n"
         "                    (table [impression] : pas, paroi, troncon)\n\n"
         "Options :\n"
         "  -o DOSSIER     dossier de sortie, créé s'il manque [dossier courant]\n"
         "  --format LISTE dat, svg, dxf, pdf, plan, stl séparés par des virgules\n"
         "                 [tous sauf stl] ; pdf donne Planches.pdf et Couples.pdf ;\n"
         "                 Profil.svg accompagne tout format de couples\n"
         "  --depuis-lignes LIGNES.toml\n"
         "                 écrit dans -o FICHIER.toml le fichier de fuselage dont les\n"
         "                 stations suivent à 0,2 mm près les lignes relevées sur un plan\n"
         "                 (voir plus bas)\n"
         "  --help         affiche cette aide\n\n"
         "Fichier de lignes : « nom », « nombre » ou « positions » comme dans un fichier\n"
         "de fuselage, puis en mm, x depuis le nez :\n"
         "  [lignes]  dos, ventre (vue de côté), niveau (facultatif : la ligne où le\n"
         "            fuselage est le plus large, sinon y = 0), demi_largeur (vue de\n"
         "            dessus), chacune une liste de points [[x, y], ...]\n"
         "  [section] xa, ya (rapports de la jonction, 0.6 par défaut), ep (paroi, 3 mm),\n"
         "            segh, segv (fond plat et flanc droit sur xtot et yinf, 0 par défaut)\n"
         "  [planche] facultative, comme dans un fichier de fuselage [600 x 300 mm]\n\n"
         "Rien n'est écrit si un couple échoue : tous sont tracés et imbriqués avant.\n"
         "Codes de sortie : 0 réussite, 1 erreur d'exécution ou de fichier, 2 mauvais usage\n"
         "ou fichier de fuselage invalide.\n";
}

} // namespace bilobe::cli
