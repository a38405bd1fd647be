#pragma once
// A redraw runs to completion. The progressive tile repaint lets pending
// events run, and so does a message box; work that would draw (a serial fix,
// a timer tick, another redraw) and arrives meanwhile waits until the drawing
// ends, then runs once, in arrival order.
#include <optional>
#include <vector>

namespace orvex {

enum class DrawingWork { Receive, Tick, Redraw };

class RedrawGate {
 public:
  // Held for the whole of a drawing handler (or of start-up).
  class Hold {
   public:
    explicit Hold(RedrawGate& gate) : gate_(gate) { ++gate_.depth_; }
    ~Hold() { --gate_.depth_; }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

   private:
    RedrawGate& gate_;
  };

  bool Held() const { return depth_ > 0; }
  // True when `work` must wait because something is drawing; it is then
  // remembered (once: three fixes arriving meanwhile are one read of the line).
  bool Defer(DrawingWork work);
  // The oldest remembered work, once nothing holds the gate.
  std::optional<DrawingWork> TakeNext();
  bool Waiting() const { return !waiting_.empty(); }

 private:
  int depth_ = 0;
  std::vector<DrawingWork> waiting_;
};

}  // namespace orvex
