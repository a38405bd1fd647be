#pragma once
// Command line of orvex-grid, the elevation grid tool.
#include <QStringList>
#include <string>

namespace orvex {

enum class GridCommand { Import, Info, Help, Version, Refused };

struct GridOptions {
  std::string input;   // the grid to import, or the tile file to describe
  std::string output;  // the tile file to write
};

// `arguments` as the program got them, its own name first. Help gives the
// usage text in `message`, Refused the reason.
GridCommand ParseGridOptions(const QStringList& arguments, GridOptions& options, std::string& message);

}  // namespace orvex
