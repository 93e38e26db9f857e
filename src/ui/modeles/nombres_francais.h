#pragma once

#include <string>

namespace bilobe {

// A line of the core (a summary, a list, a caption) as a person reads it
// in French: each number standing on its own takes the decimal comma and
// groups its thousands with a narrow no-break space ("3224.39 mm²" gives
// "3 224,39 mm²"). Numbers inside a word or a path ("F1.dat", "v1.2",
// "/tmp/1.5/") stay as they are. The files and the commands keep the point.
std::string a_la_francaise(const std::string& texte);

} // namespace bilobe
