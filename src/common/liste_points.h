#pragma once

#include <cstdint>
#include <vector>

namespace bilobe {

// An outline point list: x in double precision, y in single precision,
// entries numbered from 1 (entry k sits at position k - 1).
class ListePoints {
public:
  explicit ListePoints(int capacite);

  int capacite() const { return static_cast<int>(tab_x_.size()); }
  std::int16_t nbpts() const { return nbpts_; }
  void fixer_nbpts(std::int16_t n) { nbpts_ = n; }

  // Stores entry k; beyond the capacity is an index-out-of-range error and
  // nothing is stored. y is rounded to single precision (overflow checked).
  void stocker(int k, double x, double y);
  void stocker_exact(int k, double x, float y);

  double x(int k) const;
  float y(int k) const;

private:
  void verifier_indice(int k) const;

  std::vector<double> tab_x_;
  std::vector<float> tab_y_;
  std::int16_t nbpts_ = 0;
};

} // namespace bilobe
