#pragma once

#include <unistd.h>
#include <utility>

namespace bilobe {

// A file descriptor, closed when it goes out of scope.
class Descripteur {
public:
  explicit Descripteur(int fd = -1) noexcept : fd_(fd) {}
  ~Descripteur() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descripteur(Descripteur&& autre) noexcept : fd_(std::exchange(autre.fd_, -1)) {}
  Descripteur& operator=(Descripteur&& autre) noexcept {
    if (this != &autre) {
      if (fd_ >= 0) ::close(fd_);
      fd_ = std::exchange(autre.fd_, -1);
    }
    return *this;
  }
  int get() const { return fd_; }

private:
  int fd_;
};

} // namespace bilobe
