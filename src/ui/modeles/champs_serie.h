#pragma once

#include "serie/description.h"

#include <array>
#include <string>

// The series window's settings that stand for one value of the description
// each: their controls' names, captions, ranges and defaults, and where the
// value lives. Reading the form, filling it and its undo history all go
// through these tables, so that a setting added here is added everywhere.
namespace bilobe::champs_serie {

struct Texte {
  const char* nom; // the control's objectName
  std::string DescriptionSerie::*valeur;
};
inline const std::array<Texte, 3> TEXTES{{
    {"txt_nom", &DescriptionSerie::nom},
    {"txt_nbptel", &DescriptionSerie::nbptel},
    {"txt_nbptseg", &DescriptionSerie::nbptseg},
}};
enum { NOM, NBPTEL, NBPTSEG };

struct Case {
  const char* nom;
  const char* libelle;
  bool (*lire)(const DescriptionSerie&);
  void (*ecrire)(DescriptionSerie&, bool);
};
inline const std::array<Case, 3> CASES{{
    {"chk_segh", "Segment horizontal", [](const DescriptionSerie& d) { return d.ch != 0; },
     [](DescriptionSerie& d, bool oui) { d.ch = oui ? 1 : 0; }},
    {"chk_segv", "Segment vertical", [](const DescriptionSerie& d) { return d.cv != 0; },
     [](DescriptionSerie& d, bool oui) { d.cv = oui ? 1 : 0; }},
    {"chk_paroi_constante", "Paroi d'épaisseur constante",
     [](const DescriptionSerie& d) { return d.gabarit.paroi_constante; },
     [](DescriptionSerie& d, bool oui) { d.gabarit.paroi_constante = oui; }},
}};
enum { SEGH, SEGV, PAROI_CONSTANTE };

// A length in mm, in the group of the sheet or of the 3D printing.
enum class Groupe { Planche, Impression3d };
struct Longueur {
  const char* nom;
  const char* libelle;
  Groupe groupe;
  double min, max, defaut;
  double& (*valeur)(DescriptionSerie&);
};
inline const std::array<Longueur, 8> LONGUEURS{{
    {"txt_largeur", "Largeur :", Groupe::Planche, 1, 100000, 600,
     [](DescriptionSerie& d) -> double& { return d.planche.largeur; }},
    {"txt_hauteur", "Hauteur :", Groupe::Planche, 1, 100000, 300,
     [](DescriptionSerie& d) -> double& { return d.planche.hauteur; }},
    {"txt_marge", "Marge :", Groupe::Planche, 0, 1000, 5,
     [](DescriptionSerie& d) -> double& { return d.planche.marge; }},
    {"txt_espacement", "Espacement :", Groupe::Planche, 0, 1000, 4,
     [](DescriptionSerie& d) -> double& { return d.planche.espacement; }},
    {"txt_saignee", "Saignée :", Groupe::Planche, 0, 10, 0,
     [](DescriptionSerie& d) -> double& { return d.gabarit.saignee; }},
    {"txt_pas", "Pas :", Groupe::Impression3d, 0.1, 1000, 5,
     [](DescriptionSerie& d) -> double& { return d.impression_3d.pas; }},
    {"txt_paroi_3d", "Paroi :", Groupe::Impression3d, 0, 1000, 0,
     [](DescriptionSerie& d) -> double& { return d.impression_3d.paroi; }},
    {"txt_troncon", "Tronçons :", Groupe::Impression3d, 0, 100000, 0,
     [](DescriptionSerie& d) -> double& { return d.impression_3d.troncon; }},
}};

} // namespace bilobe::champs_serie
