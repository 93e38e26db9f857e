#pragma once

#include <csignal>

namespace bilobe {

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
