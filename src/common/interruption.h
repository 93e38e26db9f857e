#pragma once

#include <atomic>
#include <stdexcept>

namespace bilobe {

// A long work that another thread may stop: asked from one side, looked at
// by the work between two of its steps.
class Interruption {
public:
  void demander() noexcept { demandee_.store(true, std::memory_order_relaxed); }
  bool demandee() const noexcept { return demandee_.load(std::memory_order_relaxed); }

private:
  std::atomic<bool> demandee_{false};
};

// Raised by a work that was asked to stop: nothing it was making is kept.
class TravailInterrompu : public std::runtime_error {
public:
  TravailInterrompu() : std::runtime_error("Opération annulée") {}
};

// Stops the work here when asked; nobody can stop a work given no Interruption.
inline void verifier(const Interruption* arret) {
  if (arret && arret->demandee()) throw TravailInterrompu();
}

} // namespace bilobe
