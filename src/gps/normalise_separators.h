#pragma once
// Trace, GPS and waypoint files separate their fields by commas, spaces or
// any mix of them.
#include <string>
#include <string_view>

namespace orvex {

// Every run of spaces and commas becomes one comma; a run at either end
// gives a comma there. Other bytes are copied unchanged.
std::string NormaliseSeparators(std::string_view line);

// The text before the first comma, removed from `rest` with its comma; the
// whole of `rest` when it has no comma.
std::string_view TakeField(std::string_view& rest);

}  // namespace orvex
