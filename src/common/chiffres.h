#pragma once

#include <string>
#include <system_error>

// Every number the program writes or reads as text goes through here: one
// path, the same digits on every system (the browser's C++ library has no
// floating-point to_chars or from_chars). {fmt} writes, fast_float reads;
// both give what the C++ library's to_chars and from_chars give.
namespace bilobe::chiffres {

// `v` with `decimales` digits after the point (at least one: {fmt} writes
// the integers of large doubles with no decimal at all in their shortest
// digits), rounded to nearest on the exact value, "." as separator whatever
// the locale; the end of the text written, or nothing when it does not fit
// before `fin`.
char* fixe(char* debut, char* fin, double v, int decimales);
std::string fixe(double v, int decimales);

// `v` as d.ddd…e±XX with `decimales` digits after the point.
std::string scientifique(double v, int decimales);

// The shortest text that reads back as `v`: fixed or scientific, whichever
// is shorter, fixed when they are as long.
std::string plus_court(double v);

// A number at the start of [debut, fin), as from_chars reads it in its
// general format: too large or too small to be anything but zero is
// result_out_of_range, and the value is then left at 0.
struct Lu {
  double valeur = 0;
  const char* fin = nullptr;
  std::errc erreur{};
};
Lu lire(const char* debut, const char* fin);

} // namespace bilobe::chiffres
