#pragma once
// A real pseudo-terminal pair: the serial control opens the slave side by its
// path, the test plays the device on the master side.
#include <termios.h>

#include <string>
#include <string_view>

namespace orvex::testing {

class PseudoTerminal {
 public:
  PseudoTerminal();  // throws when the system has no pseudo-terminals left
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  const std::string& SlavePath() const { return slavePath_; }
  // The line settings in force on the slave side.
  termios SlaveSettings() const;

  // Writes everything, letting the event loop run while the line is full.
  void Write(std::string_view bytes) const;
  // What the slave side wrote, waiting up to `timeoutMs` for the first byte.
  std::string Read(int timeoutMs) const;
  // The device goes away, as a USB receiver pulled out.
  void CloseMaster();
  // For a device played from its own thread (non-blocking).
  int MasterDescriptor() const { return master_; }

 private:
  int master_ = -1;
  int slave_ = -1;
  std::string slavePath_;
};

}  // namespace orvex::testing
