#include "mapview/redraw_gate.h"

#include <algorithm>

namespace orvex {

bool RedrawGate::Defer(DrawingWork work) {
  if (!Held()) {
    return false;
  }
  if (std::find(waiting_.begin(), waiting_.end(), work) == waiting_.end()) {
    waiting_.push_back(work);
  }
  return true;
}

std::optional<DrawingWork> RedrawGate::TakeNext() {
  if (Held() || waiting_.empty()) {
    return std::nullopt;
  }
  const DrawingWork next = waiting_.front();
  waiting_.erase(waiting_.begin());
  return next;
}

}  // namespace orvex
