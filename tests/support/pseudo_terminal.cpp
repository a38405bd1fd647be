#include "support/pseudo_terminal.h"

#include <QTest>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <stdexcept>

namespace orvex::testing {

PseudoTerminal::PseudoTerminal() {
  std::array<char, 256> name{};
  if (::openpty(&master_, &slave_, name.data(), nullptr, nullptr) != 0) {
    throw std::runtime_error("openpty failed");
  }
  // A read on a blocking master with nothing to read would hang the test.
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
  slavePath_ = name.data();
}

PseudoTerminal::~PseudoTerminal() {
  CloseMaster();
  ::close(slave_);
}

termios PseudoTerminal::SlaveSettings() const {
  termios settings{};
  ::tcgetattr(slave_, &settings);
  return settings;
}

void PseudoTerminal::Write(std::string_view bytes) const {
  while (!bytes.empty()) {
    const ssize_t n = ::write(master_, bytes.data(), bytes.size());
    if (n > 0) {
      bytes.remove_prefix(static_cast<std::size_t>(n));
    } else if (n < 0 && errno != EAGAIN) {
      throw std::runtime_error("write to the pseudo-terminal failed");
    } else {
      QTest::qWait(5);  // the line is full: let the program read it
    }
  }
}

std::string PseudoTerminal::Read(int timeoutMs) const {
  pollfd wanted{master_, POLLIN, 0};
  std::string bytes;
  if (::poll(&wanted, 1, timeoutMs) <= 0) {
    return bytes;
  }
  std::array<char, 1024> chunk{};
  for (ssize_t n = ::read(master_, chunk.data(), chunk.size()); n > 0;
       n = ::read(master_, chunk.data(), chunk.size())) {
    bytes.append(chunk.data(), static_cast<std::size_t>(n));
  }
  return bytes;
}

void PseudoTerminal::CloseMaster() {
  if (master_ >= 0) {
    ::close(master_);
    master_ = -1;
  }
}

}  // namespace orvex::testing
