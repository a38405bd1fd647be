#pragma once
// Start-up progress lines (UTF-8), appended to the start-up window's list and
// echoed to standard error by whoever receives them.
#include <functional>
#include <string>

namespace orvex {

using ProgressSink = std::function<void(const std::string& line)>;

}  // namespace orvex
