#include "ui/modeles/bulles_textes.h"

#include <utility>

namespace bilobe {

namespace {

// By control, as the windows name them.
const std::pair<std::string_view, std::string_view> BULLES[] = {
    // The main window.
    {"txt_xtot", "Largeur totale : de l'axe au flanc, la moitié de la largeur du couple (mm)"},
    {"txt_ytot", "Hauteur totale dos : de la ligne de niveau (le plus large) au dos (mm)"},
    {"txt_xa", "Largeur du point de jonction : de l'axe au point où le lobe du dos rejoint le flanc (mm)"},
    {"txt_ya", "Hauteur du point de jonction : de la ligne de niveau à ce point (mm)"},
    {"txt_yinf", "Hauteur partie inférieure : de la ligne de niveau au ventre (mm)"},
    {"chk_segv", "Flanc droit : un segment vertical au flanc, sous la ligne de niveau"},
    {"txt_segv", "Longueur du segment vertical du flanc, de la ligne de niveau vers le bas (mm)"},
    {"chk_segh", "Fond plat : un segment horizontal au ventre"},
    {"txt_segh", "Longueur du segment horizontal du fond, depuis l'axe (mm)"},
    {"txt_ep", "Épaisseur de paroi : largeur de l'anneau entre le contour extérieur et le creux (mm)"},
    {"txt_nbptel", "Nombre de points de chaque arc d'ellipse du contour"},
    {"txt_nbptseg", "Nombre de points de chaque segment droit"},
    {"Bt_Trace", "Tracer le couple avec ces cotes (aussi : Entrée dans un champ)"},
    {"Bt_Sauve", "Enregistrer les points du couple dans un fichier .DAT"},
    // "Série de couples".
    {"txt_nom", "Nom du fuselage : il titre les fichiers et les planches"},
    {"Bt_Ouvrir", "Ouvrir un fichier de fuselage (.toml)"},
    {"Bt_Recents", "Les fichiers de fuselage ouverts ou enregistrés dernièrement"},
    {"Bt_Enregistrer", "Enregistrer la série dans un fichier de fuselage (.toml)"},
    {"Bt_EnregistrerSous", "Enregistrer la série dans un autre fichier de fuselage (.toml)"},
    {"Bt_Exporter", "Écrire dans un dossier les fichiers cochés à côté, comme bilobe-serie"},
    {"Bt_Formats", "Les fichiers qu'« Exporter… » écrit : cocher chaque format voulu"},
    {"Bt_AnnulerExport", "Arrêter l'export : aucun fichier n'est écrit"},
    {"chk_format_dat", "F1.dat … FN.dat : les points de chaque couple"},
    {"chk_format_svg", "Planche 1.svg … : les couples imbriqués sur chaque planche"},
    {"chk_format_dxf", "Planches.dxf : toutes les planches pour la découpe"},
    {"chk_format_pdf", "Planches.pdf et Couples.pdf : planches et gabarits à imprimer à 1:1"},
    {"chk_format_plan", "Plan.pdf : vues de côté et de dessus à 1:1, pour le chantier"},
    {"chk_format_stl", "Fuselage.stl : le fuselage entier en 3D, à imprimer ou pour tailler un mandrin"},
    {"txt_pas", "Distance entre deux sections du fuselage en 3D (mm) : plus petit, plus fin"},
    {"txt_paroi_3d", "0 : fuselage plein (mandrin) ; sinon coque creuse de cette paroi, pour l'imprimer (mm)"},
    {"txt_troncon", "0 : une seule pièce ; sinon le fuselage coupé en tronçons de cette longueur (mm)"},
    {"tab_stations", "Une ligne par station : sa position depuis le nez puis les cotes du couple là. "
                     "Ctrl+V colle depuis un tableur, Ctrl+C copie, Suppr efface, Ctrl+Z annule, Ctrl+Y rétablit"},
    {"Bt_Ajouter", "Recopier la dernière station 100 mm plus loin (le fuselage s'allonge)"},
    {"Bt_Inserer", "Insérer une station à une position choisie, avec les cotes que la série y donne"},
    {"Bt_Supprimer", "Supprimer la station choisie"},
    {"Bt_Trier", "Ranger les stations par position"},
    {"opt_nombre", "Des couples régulièrement espacés de la première à la dernière station"},
    {"txt_nombre", "Nombre de couples, de la première à la dernière station"},
    {"opt_positions", "Les couples exactement aux positions données"},
    {"txt_positions", "Positions des couples depuis le nez (mm), séparées par des virgules, des points-virgules "
                      "ou des espaces ; entre points-virgules ou espaces, « 62,5 » se lit 62.5"},
    {"cmb_interpolation", "Entre deux stations : en ligne droite (linéaire) ou par une courbe sans cassure (lisse)"},
    {"txt_largeur", "Largeur de la planche de matériau (mm)"},
    {"txt_hauteur", "Hauteur de la planche de matériau (mm)"},
    {"txt_marge", "Bande laissée libre le long de chaque bord de la planche (mm)"},
    {"txt_espacement", "Distance minimale entre les traits de coupe de deux couples (mm)"},
    {"txt_saignee", "Largeur du trait de coupe : la moitié hors de la pièce, la moitié dans le creux (mm)"},
    {"chk_paroi_constante", "Le creux à la même distance du contour partout (un vrai décalage)"},
    {"lst_couples", "Les couples de la série ; double-clic : le couple dans la fenêtre principale"},
    // Notches and tabs.
    {"tab_encoches", "Une ligne par encoche : place (0 dos à 1 ventre, ou dos, ventre, niveau), largeur et "
                     "profondeur en mm ; une place entre 0 et 1 donne une paire"},
    {"Bt_AjouterEncoche", "Ajouter une encoche pour une lisse, une quille ou un longeron"},
    {"Bt_SupprimerEncoche", "Supprimer l'encoche choisie"},
    {"cadre_pattes", "Des pattes qui tiennent le couple debout sur le chantier, coupées après collage"},
    {"cmb_cote", "Pattes vers le bas (dessous) ou vers le haut (dessus)"},
    {"txt_largeur_pattes", "Largeur de chaque patte (mm)"},
    {"txt_ecart_pattes", "De l'axe au centre de chaque patte (mm) ; 0 : une patte sur l'axe"},
    {"txt_distance_pattes", "Distance de la ligne de niveau au chantier, ou garde sous le couple le plus bas (mm)"},
};

} // namespace

std::span<const std::pair<std::string_view, std::string_view>> bulles() { return BULLES; }

std::string_view bulle(std::string_view nom) {
  for (const auto& [controle, texte] : BULLES)
    if (controle == nom) return texte;
  return {};
}

} // namespace bilobe
