#pragma once
// KISS, the byte framing between a host and a TNC: every frame runs from one
// FEND (0xC0) to the next; inside it FESC TFEND stands for a FEND byte and
// FESC TFESC for a FESC byte. The first byte of a frame holds the TNC port in
// its high nibble and the command in its low nibble (0: a data frame).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvex {

inline constexpr char kKissFend = '\xC0';
inline constexpr char kKissFesc = '\xDB';
inline constexpr char kKissTfend = '\xDC';
inline constexpr char kKissTfesc = '\xDD';

// The longest AX.25 frame: ten addresses of seven bytes, control, PID and 256
// information bytes. A frame that grows past it is dropped whole.
inline constexpr std::size_t kAx25MaxFrame = 10 * 7 + 2 + 256;

class KissDeframer {
 public:
  // Takes the bytes of one read and returns the contents of the data frames
  // they complete (command byte removed, escapes undone), in order. Other
  // commands, empty frames, oversized frames and bad escapes are dropped;
  // nothing is kept beyond one frame's worth of bytes.
  std::vector<std::string> Push(std::string_view bytes);

  // Bytes held for the frame being received.
  std::size_t Pending() const { return frame_.size(); }

 private:
  void EndFrame(std::vector<std::string>& frames);

  std::string frame_;     // command byte and unescaped contents so far
  bool escape_ = false;   // the last byte was FESC
  // Skip to the next FEND: this frame is already known bad, or (at the start)
  // the line was opened in the middle of one.
  bool discard_ = true;
};

}  // namespace orvex
