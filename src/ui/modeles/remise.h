#pragma once

#include "common/liste_points.h"
#include "geometry/parametres.h"

#include <cstdint>
#include <string>

namespace bilobe {

// The export data that the save dialog holds between exports: the comment
// line and its own point list, which the hand-off fills through AjoutPoint.
class DonneesExport {
public:
  static constexpr int CAPACITE = 3000;

  std::string Commentaire; // UTF-8 here; written in Windows-1252
  bool nouvelle_liste = false;

  // The next point of the list; the first call after an activation starts a
  // new list. x keeps its value, y is stored in single precision.
  void AjoutPoint(double x, double y);

  const ListePoints& liste() const { return liste_; }
  std::int16_t nbpts() const { return liste_.nbpts(); }

private:
  ListePoints liste_{CAPACITE};
};

// The hand-off of "Sauver le fichier" once the dialog is active: sets the
// comment from the fields' values and copies the outline last point first,
// each (X, Y) becoming (1 - Y, -X). Returns the default file name for the
// dialog's name field. An overflow of H raises before anything of the dialog
// is changed.
std::string remettre(const ValeursCouple& valeurs, const ListePoints& principale, DonneesExport& dialogue);

} // namespace bilobe
