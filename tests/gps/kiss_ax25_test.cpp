// KISS framing and AX.25 UI frames as a TNC hands them over.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gps/ax25_frame.h"
#include "gps/kiss_frame.h"
#include "support/aprs_frames.h"

namespace orvex {
namespace {

using testing::Ax25UiFrame;
using testing::KissFrame;
using Frames = std::vector<std::string>;

const std::string kFend = "\xC0";

// The deframer over byte streams, fed whole and one byte at a time: never
// more than one frame held, whatever the bytes.
TEST(KissDeframer, CutsDataFramesAndDropsEverythingElse) {
  const std::string escaped("A\xC0" "B\xDB" "C", 5);
  const std::string big(kAx25MaxFrame + 1, 'x');
  const std::string full(kAx25MaxFrame, 'y');
  const struct {
    const char* what;
    std::string bytes;
    Frames frames;
  } cases[] = {
      {"one frame", KissFrame("hello"), {"hello"}},
      {"two frames sharing a FEND", KissFrame("one") + KissFrame("two").substr(1), {"one", "two"}},
      {"escaped FEND and FESC", KissFrame(escaped), {escaped}},
      {"the end of a frame before the first FEND", "0tail" + KissFrame("ok"), {"ok"}},
      {"runs of FEND", kFend + kFend + kFend + KissFrame("ok") + kFend, {"ok"}},
      {"port 3 data", kFend + "\x30" + "p3" + kFend, {"p3"}},
      {"TXDELAY command", kFend + "\x01" + "\x32" + kFend + KissFrame("ok"), {"ok"}},
      {"command byte only", kFend + std::string(1, '\0') + kFend, {}},
      {"FESC before a plain byte", kFend + std::string("\0a\xDBz", 4) + kFend + KissFrame("ok"), {"ok"}},
      {"FESC just before FEND", kFend + std::string("\0a\xDB", 3) + kFend + KissFrame("ok"), {"ok"}},
      {"longest frame", KissFrame(full), {full}},
      {"one byte over", KissFrame(big) + KissFrame("ok"), {"ok"}},
      {"frame without its end", KissFrame("ok") + kFend + std::string(1, '\0') + "partial", {"ok"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    KissDeframer whole;
    EXPECT_EQ(whole.Push(c.bytes), c.frames);
    KissDeframer bytewise;
    Frames frames;
    for (const char byte : c.bytes) {
      for (auto& frame : bytewise.Push(std::string_view(&byte, 1))) {
        frames.push_back(std::move(frame));
      }
      ASSERT_LE(bytewise.Pending(), kAx25MaxFrame + 1);
    }
    EXPECT_EQ(frames, c.frames);
  }
}

TEST(Ax25UiFrame, TurnsAddressesIntoTheMonitorLine) {
  const struct {
    const char* what;
    std::string frame;
    std::optional<std::string> text;
  } cases[] = {
      {"no path", Ax25UiFrame("F4ABC>APRS:!4903.50N/07201.75W-"), "F4ABC>APRS:!4903.50N/07201.75W-"},
      {"SSIDs and a path", Ax25UiFrame("F4ABC-15>APDW16-2,WIDE1-1,WIDE2-2:>status"),
       "F4ABC-15>APDW16-2,WIDE1-1,WIDE2-2:>status"},
      {"digipeated: the last repeater marked", Ax25UiFrame("F4ABC-9>TQ4W2V,F1XYZ-3*,RELAY*,WIDE2-1:`c51"),
       "F4ABC-9>TQ4W2V,F1XYZ-3,RELAY*,WIDE2-1:`c51"},
      {"eight digipeaters", Ax25UiFrame("A>B,C1,C2,C3,C4,C5,C6,C7,C8:x"), "A>B,C1,C2,C3,C4,C5,C6,C7,C8:x"},
      {"empty information", Ax25UiFrame("F4ABC>APRS:"), "F4ABC>APRS:"},
      {"binary information", Ax25UiFrame(std::string("F4ABC>APRS:\x1c\0\xff", 14)),
       std::string("F4ABC>APRS:\x1c\0\xff", 14)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Ax25UiFrameToText(c.frame), c.text);
  }
}

TEST(Ax25UiFrame, RefusesOtherFramesAndBadAddresses) {
  const std::string good = Ax25UiFrame("F4ABC-9>APRS,WIDE2-1:!4903.50N/07201.75W-");
  const auto with = [&](std::size_t at, char byte) {
    std::string frame = good;
    frame[at] = byte;
    return frame;
  };
  EXPECT_TRUE(Ax25UiFrameToText(good));
  EXPECT_TRUE(Ax25UiFrameToText(with(21, '\x13'))) << "UI with the poll bit";
  const struct {
    const char* what;
    std::string frame;
  } cases[] = {
      {"I frame", with(21, '\x00')},
      {"UA frame", with(21, '\x63')},
      {"PID not F0", with(22, '\xCF')},
      {"lower-case letter", with(0, static_cast<char>('a' << 1))},
      {"odd callsign byte", with(1, static_cast<char>(('P' << 1) | 1))},
      {"blank inside a callsign", with(8, static_cast<char>(' ' << 1))},
      {"empty callsign", std::string(6, '\x40') + good.substr(6)},
      {"end mark on the destination", with(6, static_cast<char>(good[6] | 1))},
      {"no end mark", Ax25UiFrame("A>B,C1,C2,C3,C4,C5,C6,C7,C8:x").substr(0, 69) + '\x60' + "\x03\xF0x"},
      {"nine digipeaters", Ax25UiFrame("A>B,C1,C2,C3,C4,C5,C6,C7,C8,C9:x")},
      {"no PID", good.substr(0, 22)},
      {"cut in the addresses", good.substr(0, 17)},
      {"empty", ""},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(Ax25UiFrameToText(c.frame)) << c.what;
  }
}

}  // namespace
}  // namespace orvex
