#include "fichiers/sans_signal_taille.h"

// Windows and the browser send no signal for a file-size limit.

namespace bilobe {

struct SansSignalTaille::Ancien {};

SansSignalTaille::SansSignalTaille() = default;
SansSignalTaille::~SansSignalTaille() = default;

} // namespace bilobe
