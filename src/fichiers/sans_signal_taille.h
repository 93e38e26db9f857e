#pragma once

#include <memory>

namespace bilobe {

// Held for the run of a command: a file-size limit makes a write fail, and
// that failure is reported like any file error, instead of the system
// killing the program (SIGXFSZ on POSIX; Windows sends nothing of the kind).
class SansSignalTaille {
public:
  SansSignalTaille();
  ~SansSignalTaille();
  SansSignalTaille(const SansSignalTaille&) = delete;
  SansSignalTaille& operator=(const SansSignalTaille&) = delete;

private:
  struct Ancien;
  std::unique_ptr<Ancien> ancien_;
};

} // namespace bilobe
