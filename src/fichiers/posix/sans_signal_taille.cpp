#include "fichiers/sans_signal_taille.h"

#include <csignal>

namespace bilobe {

struct SansSignalTaille::Ancien {
  struct sigaction action {};
};

SansSignalTaille::SansSignalTaille() : ancien_(std::make_unique<Ancien>()) {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  ::sigaction(SIGXFSZ, &ignore, &ancien_->action);
}

SansSignalTaille::~SansSignalTaille() { ::sigaction(SIGXFSZ, &ancien_->action, nullptr); }

} // namespace bilobe
