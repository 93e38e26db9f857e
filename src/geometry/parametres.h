#pragma once

#include "common/erreurs.h"

#include <optional>
#include <string>
#include <string_view>

namespace bilobe {

// The texts of the ten fields of the main window and the states of its two
// check boxes, as the trace reads them. Defaults are the window's.
struct ChampsCouple {
  std::string xtot = "50";
  std::string ytot = "100";
  std::string xa = "30";
  std::string ya = "60";
  std::string yinf = "40";
  std::string segh = "30";
  std::string segv = "20";
  std::string ep = "10";
  std::string nbptel = "90";
  std::string nbptseg = "20";
  int ch = 0; // chk_segh: 1 when the flat bottom segment is present
  int cv = 0; // chk_segv: 1 when the vertical side segment is present

  bool operator==(const ChampsCouple&) const = default;
};

// A field's text read once by the number reading rule. A reading that fails
// keeps its error and raises it when the trace first uses the field, so that
// errors come in the same order and from the same step as if the field were
// read there.
class NombreLu {
public:
  explicit NombreLu(std::string_view texte);
  double operator()() const {
    if (erreur_) relancer();
    return valeur_;
  }

private:
  [[noreturn]] void relancer() const;

  double valeur_ = 0;
  std::optional<ErreurExecution> erreur_;
};

// The ten fields as numbers and the two tick states: what the geometry works on.
struct ValeursCouple {
  explicit ValeursCouple(const ChampsCouple& champs);

  NombreLu xtot, ytot, xa, ya, yinf, segh, segv, ep, nbptel, nbptseg;
  int ch = 0;
  int cv = 0;
};

// The literal π of the trace and its quarter turn (an exact half in double).
inline constexpr double PI_TRACE = 3.141592654;
inline constexpr double QUART_DE_TOUR = PI_TRACE / 2;

double ArcCos(double x);
double ArcSin(double x);

// The two upper ellipses through the junction point (xa, ya), derived from
// xtot, ytot, xa, ya in this order: t1, t2, b1, a2.
struct EllipsesHautes {
  double t1 = 0;
  double t2 = 0;
  double b1 = 0;
  double a2 = 0;
};

EllipsesHautes deriver_ellipses_hautes(double xtot, double ytot, double xa, double ya);

} // namespace bilobe
