#pragma once

#include <string>

// Small fuselage files for the 3D tests: a station of the 30 x 45 mm former
// scaled by `echelle`, and two of them 300 mm apart.
namespace bilobe::essai {

inline std::string station(double position, double echelle) {
  const double cotes[] = {30, 45, 18, 28, 20, 0, 0, 3};
  const char* cles[] = {"xtot", "ytot", "xa", "ya", "yinf", "segh", "segv", "ep"};
  std::string t = "[[station]]\nposition = " + std::to_string(position) + "\n";
  for (int k = 0; k < 8; ++k) t += std::string(cles[k]) + " = " + std::to_string(cotes[k] * echelle) + "\n";
  return t;
}

// The second `echelle` times the first, with `impression` in its [impression] table.
inline std::string fuselage(double echelle, const std::string& impression) {
  return "nombre = 2\n[planche]\nlargeur = 600\nhauteur = 300\n[impression]\n" + impression + "\n" + station(0, 1) +
         station(300, echelle);
}

} // namespace bilobe::essai
