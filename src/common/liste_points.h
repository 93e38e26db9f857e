#pragma once

#include "common/calcul.h"

#include <cstdint>
#include <span>
#include <vector>

namespace bilobe {

// An outline point list: x in double precision, y in single precision,
// entries numbered from 1 (entry k sits at position k - 1), and `nbpts`, the
// number of entries in use.
class ListePoints {
public:
  explicit ListePoints(int capacite);

  int capacite() const { return capacite_; }
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
  // Appends n entries that `ecrire(x, y)` writes in place, x and y pointing
  // to the first of them: for loops that fill a whole list at once.
  template <typename F> void ajouter_en_bloc(int n, F&& ecrire) {
    if (nbpts_ + n > capacite()) hors_limites(capacite() + 1);
    ecrire(tab_x_.data() + nbpts_, tab_y_.data() + nbpts_);
    nbpts_ = static_cast<std::int16_t>(nbpts_ + n);
  }

  // Starts the list again from entry 1; the old entries stay, unread.
  void vider() { nbpts_ = 0; }

  // Entry k; outside 1 to the capacity is an index-out-of-range error.
  // Entries 1 to nbpts, for loops over the whole list.
  std::span<const double> xs() const { return {tab_x_.data(), static_cast<std::size_t>(nbpts_)}; }
  std::span<const float> ys() const { return {tab_y_.data(), static_cast<std::size_t>(nbpts_)}; }

  double x(int k) const {
    verifier_indice(k);
    return tab_x_[static_cast<std::size_t>(k - 1)];
  }
  float y(int k) const {
    verifier_indice(k);
    return tab_y_[static_cast<std::size_t>(k - 1)];
  }

private:
  [[noreturn]] void hors_limites(int k) const;
  void verifier_indice(int k) const {
    if (k < 1 || k > capacite()) [[unlikely]]
      hors_limites(k);
  }

  int capacite_;
  std::vector<double> tab_x_;
  std::vector<float> tab_y_;
  std::int16_t nbpts_ = 0;
};

} // namespace bilobe
