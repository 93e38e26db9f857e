#include "serie/interpolation.h"

#include "common/erreurs.h"

#include <algorithm>
#include <cmath>

namespace bilobe {

namespace {

// Fritsch and Carlson: a tangent at each station from the neighbouring
// slopes, zero at a station that is a peak, a trough or on a plateau, then
// cut back wherever it would let the cubic overshoot.
std::vector<double> pentes_monotones(const std::vector<double>& x, const std::vector<double>& y) {
  const std::size_t n = x.size();
  std::vector<double> delta(n - 1), m(n);
  for (std::size_t k = 0; k + 1 < n; ++k) delta[k] = (y[k + 1] - y[k]) / (x[k + 1] - x[k]);
  m[0] = delta[0];
  m[n - 1] = delta[n - 2];
  for (std::size_t k = 1; k + 1 < n; ++k)
    m[k] =
        (delta[k - 1] > 0) == (delta[k] > 0) && delta[k - 1] != 0 && delta[k] != 0 ? (delta[k - 1] + delta[k]) / 2 : 0;
  for (std::size_t k = 0; k + 1 < n; ++k) {
    if (delta[k] == 0) {
      m[k] = m[k + 1] = 0;
      continue;
    }
    const double a = m[k] / delta[k];
    const double b = m[k + 1] / delta[k];
    const double r = a * a + b * b;
    if (r > 9) {
      const double t = 3 / std::sqrt(r);
      m[k] = t * a * delta[k];
      m[k + 1] = t * b * delta[k];
    }
  }
  return m;
}

} // namespace

Courbe::Courbe(std::vector<double> positions, std::vector<double> valeurs, Interpolation mode)
    : x_(std::move(positions)), y_(std::move(valeurs)), mode_(mode) {
  if (x_.size() < 2 || x_.size() != y_.size())
    lever(GenreErreur::OperationInvalide, "interpolation", "il faut au moins deux stations");
  for (std::size_t k = 0; k + 1 < x_.size(); ++k)
    if (!(x_[k] < x_[k + 1])) lever(GenreErreur::OperationInvalide, "interpolation", "positions non croissantes");
  if (mode_ == Interpolation::Lisse) pentes_ = pentes_monotones(x_, y_);
}

double Courbe::operator()(double p) const {
  // The piece [x_k, x_k+1] that holds p; the end pieces reach beyond.
  const auto suivante = std::upper_bound(x_.begin() + 1, x_.end() - 1, p);
  const std::size_t k = static_cast<std::size_t>(suivante - x_.begin()) - 1;
  if (p == x_[k]) return y_[k];
  if (p == x_[k + 1]) return y_[k + 1];
  const double h = x_[k + 1] - x_[k];
  if (mode_ == Interpolation::Lineaire) return y_[k] + ((y_[k + 1] - y_[k]) * (p - x_[k])) / h;

  const double t = (p - x_[k]) / h;
  const double t2 = t * t, t3 = t2 * t;
  const double v = (2 * t3 - 3 * t2 + 1) * y_[k] + (t3 - 2 * t2 + t) * h * pentes_[k] + (-2 * t3 + 3 * t2) * y_[k + 1] +
                   (t3 - t2) * h * pentes_[k + 1];
  // The cubic stays between its ends in exact arithmetic; rounding must not
  // take it one bit past them.
  if (t >= 0 && t <= 1) return std::clamp(v, std::min(y_[k], y_[k + 1]), std::max(y_[k], y_[k + 1]));
  return v;
}

} // namespace bilobe
