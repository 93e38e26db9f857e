#pragma once

#include "common/calcul.h"

#include <cstdint>
#include <vector>

namespace bilobe {

// An outline point list: x in double precision, y in single precision,
// entries numbered from 1 (entry k sits at position k - 1), and `nbpts`, the
// number of entries in use.
class ListePoints {
public:
  explicit ListePoints(int capacite);

  int capacite() const { return static_cast<int>(tab_x_.size()); }
  std::int16_t nbpts() const { return nbpts_; }

  // Appends entry nbpts + 1; beyond the capacity is an index-out-of-range
  // error and nothing is stored. y is rounded to single precision (overflow
  // checked), or given in single precision already.
  void ajouter(double x, double y) { ajouter_simple(x, calcul::simple(y, "y en simple précision")); }
  void ajouter_simple(double x, float y) {
    const int k = nbpts_ + 1;
    if (k > capacite()) hors_limites(k);
    tab_x_[static_cast<std::size_t>(k - 1)] = x;
    tab_y_[static_cast<std::size_t>(k - 1)] = y;
    nbpts_ = static_cast<std::int16_t>(k);
  }
  // Starts the list again from entry 1; the old entries stay, unread.
  void vider() { nbpts_ = 0; }

  double x(int k) const;
  float y(int k) const;

private:
  [[noreturn]] void hors_limites(int k) const;
  void verifier_indice(int k) const;

  std::vector<double> tab_x_;
  std::vector<float> tab_y_;
  std::int16_t nbpts_ = 0;
};

} // namespace bilobe
