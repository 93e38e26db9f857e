#include "cli/options.h"

#include "cli/arguments.h"

#include "common/erreurs.h"
#include "common/lecture_nombre.h"
#include "common/texte_affichable.h"
#include "formats/texte_kit.h"
#include "serie/description.h"

#include <utility>

namespace bilobe::cli {

namespace {

struct OptionChamp {
  std::string nom;
  std::string ChampsCouple::*champ;
  std::string libelle;
};

// One option per field of the main window, with the window's caption: the
// eight dimensions, then the two point counts.
const std::vector<OptionChamp>& options_champs() {
  static const std::vector<OptionChamp> options = [] {
    std::vector<OptionChamp> o;
    for (const Cote& c : COTES)
      o.push_back({std::string("--").append(c.cle), c.champ, std::string(c.libelle).append(" (mm)")});
    o.push_back({"--nbptel", &ChampsCouple::nbptel, "Nb pts arcs d'ellipses"});
    o.push_back({"--nbptseg", &ChampsCouple::nbptseg, "Nb pts segments"});
    return o;
  }();
  return options;
}

using OptionDat = Option<Options>;
using Valeur = OptionDat::Valeur;
using Resultat = std::optional<std::string>;

// Every option of bilobe-dat: the fields of the window, their two boxes, the
// format and the templates' settings, the output.
const std::vector<OptionDat>& table_dat() {
  static const std::vector<OptionDat> table = [] {
    std::vector<OptionDat> t{
        {{"--help", "-h"},
         Valeur::Ignoree,
         [](Options& o, auto&, auto&) -> Resultat {
           o.aide = true;
           return std::nullopt;
         }},
        {{"--ch"},
         Valeur::Aucune,
         [](Options& o, auto&, auto&) -> Resultat {
           o.champs.ch = 1;
           return std::nullopt;
         }},
        {{"--cv"},
         Valeur::Aucune,
         [](Options& o, auto&, auto&) -> Resultat {
           o.champs.cv = 1;
           return std::nullopt;
         }},
        {{"--paroi-constante"},
         Valeur::Aucune,
         [](Options& o, auto&, auto&) -> Resultat {
           o.gabarit.paroi_constante = true;
           return std::nullopt;
         }},
        {{"--saignee"},
         Valeur::Requise,
         [](Options& o, auto&, const std::optional<std::string>& texte) -> Resultat {
           double mm = -1;
           // Read as the fields are read, but a text without a digit is no width.
           try {
             if (texte && texte->find_first_of("0123456789") != std::string::npos) mm = lire_nombre(*texte);
           } catch (const ErreurExecution&) {
           }
           if (!(mm >= 0 && mm < 1e6)) return "l'option --saignee attend une largeur en mm, positive ou nulle";
           o.gabarit.saignee = mm;
           return std::nullopt;
         }},
        {{"--encoche"},
         Valeur::Requise,
         [](Options& o, auto&, const std::optional<std::string>& texte) -> Resultat {
           const auto encoche = texte ? lire_encoche(*texte) : std::nullopt;
           if (!encoche)
             return "l'option --encoche attend PLACE:LARGEUR:PROFONDEUR (place de 0 à 1, dos, ventre ou niveau ; "
                    "mm de 0.01 à 1000000)";
           if (o.gabarit.encoches.size() == ENCOCHES_MAX)
             return "au plus " + std::to_string(ENCOCHES_MAX) + " encoches par couple";
           o.gabarit.encoches.push_back(*encoche);
           return std::nullopt;
         }},
        {{"--pattes"},
         Valeur::Requise,
         [](Options& o, auto&, const std::optional<std::string>& texte) -> Resultat {
           o.gabarit.pattes = texte ? lire_pattes(*texte) : std::nullopt;
           if (!o.gabarit.pattes)
             return "l'option --pattes attend COTE:LARGEUR:ECART:DISTANCE (dessous ou dessus ; mm sous 1000000, "
                    "largeur d'au moins 0.01)";
           return std::nullopt;
         }},
        {{"-o", "--sortie"},
         Valeur::Requise,
         [](Options& o, const std::string& nom, const std::optional<std::string>& chemin) -> Resultat {
           o.sortie = chemin;
           if (!chemin) return "l'option " + nom + " attend un chemin";
           return std::nullopt;
         }},
        {{"--format"},
         Valeur::Requise,
         [](Options& o, auto&, const std::optional<std::string>& texte) -> Resultat {
           const auto format = texte ? format_depuis_nom(*texte) : std::nullopt;
           if (!format) return "l'option --format attend dat, svg, dxf ou pdf";
           o.format = *format;
           return std::nullopt;
         }},
    };
    for (const OptionChamp& c : options_champs())
      t.push_back(
          {{c.nom},
           Valeur::Requise,
           [champ = c.champ](Options& o, const std::string& nom, const std::optional<std::string>& texte) -> Resultat {
             if (!texte) return "l'option " + nom + " attend une valeur";
             o.champs.*champ = *texte;
             return std::nullopt;
           }});
    return t;
  }();
  return table;
}

// A value that is itself one of the options is an option whose value was
// forgotten ("--ep --ch"); a negative number such as "-10" is a value.
bool est_nom_d_option(const std::string& texte) {
  const std::string nom = texte.substr(0, texte.rfind("--", 0) == 0 ? texte.find('=') : std::string::npos);
  return chercher_option(table_dat(), nom) != nullptr;
}

} // namespace

std::optional<Options> analyser(const std::vector<std::string>& arguments, std::string& erreur) {
  Options options;
  Arguments a(arguments, est_nom_d_option);
  const auto inconnue = [](Arguments& a) -> Resultat { return "option inconnue : " + texte_affichable(a.brut(), 40); };
  if (const Resultat e = parcourir<Options>(a, table_dat(), options, inconnue)) {
    erreur = *e;
    return std::nullopt;
  }
  return options;
}

std::string texte_usage() {
  return "Usage : bilobe-dat [--xtot T] [--ytot T] [--xa T] [--ya T] [--yinf T] [--segh T]\n"
         "                   [--segv T] [--ep T] [--nbptel T] [--nbptseg T] [--ch] [--cv]\n"
         "                   [--format dat|svg|dxf|pdf] [--paroi-constante] [--saignee MM]\n"
         "                   [--encoche PLACE:LARGEUR:PROFONDEUR]... [--pattes COTE:LARGEUR:ECART:DISTANCE]\n"
         "                   [-o CHEMIN]\n"
         "Essayez « bilobe-dat --help » pour plus d'informations.\n";
}

std::string texte_aide() {
  std::string aide = "bilobe-dat : écrit le fichier .DAT d'un couple bi-lobé, octet pour octet comme\n"
                     "le bouton « Sauver le fichier » du programme, ou le gabarit du couple entier en\n"
                     "vraie grandeur (SVG, DXF, PDF 1:1), comme le menu de l'aperçu.\n\n"
                     "Chaque T est le texte du champ du même nom, lu comme la fenêtre le lit : le séparateur\n"
                     "décimal est le point (« 2,5 » se lit 2), un texte sans nombre se lit 0.\n\n"
                     "Options (valeur par défaut entre crochets) :\n";
  const ChampsCouple defauts;
  for (const auto& o : options_champs()) {
    std::string ligne = "  " + o.nom + " T";
    ligne.resize(16, ' ');
    aide += ligne + o.libelle + " [" + defauts.*(o.champ) + "]\n";
  }
  aide += "  --ch          coche « Segment horizontal » (fond plat) [non coché]\n"
          "  --cv          coche « Segment vertical » (flanc droit) [non coché]\n"
          "  --format F    dat (points, par défaut), svg, dxf ou pdf (gabarit en millimètres)\n"
          "  --paroi-constante  gabarit : contour intérieur à ep exactement du contour extérieur\n"
          "  --saignee MM  gabarit : largeur du trait de coupe, moitié dehors, moitié dans le creux [0]\n"
          "  --encoche PLACE:LARGEUR:PROFONDEUR\n"
          "                gabarit : encoche de lisse, à répéter ; PLACE de 0 (dos) à 1 (ventre) le long\n"
          "                du contour, ou dos, ventre, niveau (le plus large) ; entre 0 et 1 : une paire\n"
          "  --pattes COTE:LARGEUR:ECART:DISTANCE\n"
          "                gabarit : pattes de montage jusqu'à la ligne du chantier, dessous ou dessus,\n"
          "                à DISTANCE mm de la ligne de niveau ; ECART de l'axe au centre de chaque\n"
          "                patte (0 : une seule, sur l'axe)\n"
          "  -o CHEMIN     écrit le fichier à ce chemin ; « -o - » écrit sur la sortie standard ;\n"
          "                sans -o : le nom par défaut (« Bi-lobe 140 x 50.dat », « .svg »…)\n"
          "                dans le dossier courant\n"
          "  --help        affiche cette aide\n\n"
          "Codes de sortie : 0 réussite, 1 erreur d'exécution (rien n'est écrit), 2 mauvais usage.\n";
  return aide;
}

} // namespace bilobe::cli
