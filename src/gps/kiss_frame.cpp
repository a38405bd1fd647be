#include "gps/kiss_frame.h"

namespace orvex {
namespace {

constexpr char kDataCommand = 0x00;
constexpr unsigned char kCommandMask = 0x0F;
constexpr std::size_t kCommandBytes = 1;

}  // namespace

void KissDeframer::EndFrame(std::vector<std::string>& frames) {
  const bool data = frame_.size() > kCommandBytes &&
                    (static_cast<unsigned char>(frame_[0]) & kCommandMask) == kDataCommand;
  if (!discard_ && !escape_ && data) {
    frames.push_back(frame_.substr(kCommandBytes));
  }
  frame_.clear();
  escape_ = false;
  discard_ = false;
}

std::vector<std::string> KissDeframer::Push(std::string_view bytes) {
  std::vector<std::string> frames;
  for (const char byte : bytes) {
    if (byte == kKissFend) {
      EndFrame(frames);
      continue;
    }
    if (discard_) {
      continue;
    }
    char value = byte;
    if (escape_) {
      escape_ = false;
      if (byte != kKissTfend && byte != kKissTfesc) {
        discard_ = true;
        frame_.clear();
        continue;
      }
      value = byte == kKissTfend ? kKissFend : kKissFesc;
    } else if (byte == kKissFesc) {
      escape_ = true;
      continue;
    }
    if (frame_.size() >= kCommandBytes + kAx25MaxFrame) {
      discard_ = true;
      frame_.clear();
      continue;
    }
    frame_ += value;
  }
  return frames;
}

}  // namespace orvex
