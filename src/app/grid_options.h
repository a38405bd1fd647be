#pragma once
// Command line of orvex-grid, the elevation grid tool.
#include <QStringList>
#include <string>

namespace orvex {

enum class GridCommand { Import, Info, Fabricate, Help, Version, Refused };

struct GridOptions {
  std::string input;   // the grid to import, the tile file to describe, or the region directory
  std::string output;  // the tile file to write
  double stepX = 30;   // fabrication steps, seconds of arc
  double stepY = 30;
};

// `arguments` as the program got them, its own name first. Help gives the
// usage text in `message`, Refused the reason.
GridCommand ParseGridOptions(const QStringList& arguments, GridOptions& options, std::string& message);

}  // namespace orvex
