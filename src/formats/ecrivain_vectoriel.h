#pragma once

#include "formats/style_gabarit.h"
#include "geometry/gabarit.h"

#include <string>

namespace bilobe {

// What a template says, in the former's own frame (mm, y up), whatever the
// vector format: each implementation places the points, names the layers
// and writes its own syntax.
class EcrivainVectoriel {
public:
  virtual ~EcrivainVectoriel() = default;
  // What follows is drawn on this line's layer.
  virtual void calque(const style_gabarit::Trait& trait) = 0;
  virtual void boucle(const Boucle& boucle) = 0;
  virtual void ligne(const Repere& repere) = 0;
  // The drawing's caption, where the format puts it.
  virtual void legende(const std::string& utf8) = 0;
  virtual std::string fin() = 0;
};

// The template, once for every format: the inside first, so that programs
// that cut in drawing order free the part last; then the marks and the
// caption, on a layer that a laser program can switch off.
void dessiner_gabarit(const Gabarit& gabarit, EcrivainVectoriel& ecrivain);

} // namespace bilobe
