#include "fichiers/sans_signal_taille.h"

namespace bilobe {

struct SansSignalTaille::Ancien {};

SansSignalTaille::SansSignalTaille() = default;
SansSignalTaille::~SansSignalTaille() = default;

} // namespace bilobe
