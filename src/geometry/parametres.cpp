#include "geometry/parametres.h"

#include "common/calcul.h"
#include "common/lecture_nombre.h"

#include <cmath>

namespace bilobe {

using namespace calcul;

NombreLu::NombreLu(std::string_view texte) {
  try {
    valeur_ = lire_nombre(texte);
  } catch (const ErreurExecution& e) {
    erreur_ = e;
  }
}

void NombreLu::relancer() const { lever(erreur_->genre(), erreur_->lieu(), erreur_->detail()); }

ValeursCouple::ValeursCouple(const ChampsCouple& c)
    : xtot(c.xtot), ytot(c.ytot), xa(c.xa), ya(c.ya), yinf(c.yinf), segh(c.segh), segv(c.segv), ep(c.ep),
      nbptel(c.nbptel), nbptseg(c.nbptseg), ch(c.ch), cv(c.cv) {}

double ArcCos(double x) {
  const double r = racine(-x * x + 1, "ArcCos");
  return std::atan(div(-x, r, "ArcCos")) + 2 * std::atan(1.0);
}

double ArcSin(double x) {
  const double r = racine(-x * x + 1, "ArcSin");
  return std::atan(div(x, r, "ArcSin"));
}

EllipsesHautes deriver_ellipses_hautes(double xtot, double ytot, double xa, double ya) {
  EllipsesHautes e;
  e.t1 = ArcCos(div(xa, xtot, "xa / xtot"));
  e.t2 = ArcSin(div(ya, ytot, "ya / ytot"));
  e.b1 = div(ya, std::sin(e.t1), "b1 = ya / sin(t1)");
  e.a2 = div(xa, std::cos(e.t2), "a2 = xa / cos(t2)");
  return e;
}

} // namespace bilobe
