#pragma once
// AX.25 UI frames as a KISS TNC hands them over (no flags, no FCS): the
// destination, source and up to eight digipeater addresses of seven bytes
// each, control 0x03, PID 0xF0, then the information field.
#include <optional>
#include <string>
#include <string_view>

namespace orvex {

// The frame as one monitor line "SOURCE-SSID>DEST,DIGI1*,DIGI2:INFO": SSID 0
// is not written, the last digipeater that repeated the frame carries "*".
// Nothing for any other frame: a bad address (a character that is not an
// upper-case letter or digit, a blank inside a callsign, no end mark within
// ten addresses), another control or PID, a frame too short.
std::optional<std::string> Ax25UiFrameToText(std::string_view frame);

}  // namespace orvex
