#pragma once

#include <csignal>

namespace bilobe {

// A file-size limit makes the kernel kill the writer with SIGXFSZ; ignored,
// the write fails instead with EFBIG, which is reported like any file error.
class SansSignalTaille {
public:
  SansSignalTaille() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGXFSZ, &ignore, &ancien_);
  }
  ~SansSignalTaille() { ::sigaction(SIGXFSZ, &ancien_, nullptr); }
  SansSignalTaille(const SansSignalTaille&) = delete;
  SansSignalTaille& operator=(const SansSignalTaille&) = delete;

private:
  struct sigaction ancien_ {};
};

// The signals that end a program politely wait while they are held, so that
// they never fall between two steps that must go together.
class SignauxRetenus {
public:
  SignauxRetenus() {
    sigset_t s;
    sigemptyset(&s);
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&s, signal);
    ::sigprocmask(SIG_BLOCK, &s, &ancien_);
  }
  ~SignauxRetenus() { ::sigprocmask(SIG_SETMASK, &ancien_, nullptr); }
  SignauxRetenus(const SignauxRetenus&) = delete;
  SignauxRetenus& operator=(const SignauxRetenus&) = delete;

private:
  sigset_t ancien_{};
};

} // namespace bilobe
