#pragma once
// Command line of orvex-render, the headless map exporter.
#include <optional>
#include <string>
#include <vector>

namespace orvex {

struct RenderOptions {
  std::string directory;  // holds ORVEX.INI
  std::string output;     // PNG file
  int width = 1280;
  int height = 800;
  std::optional<int> zoom;
  std::optional<double> centreLongitude;
  std::optional<double> centreLatitude;
  bool globe = false;
  bool grid = false;
};

inline constexpr const char* kRenderUsage =
    "usage: orvex-render DIRECTORY OUTPUT.png [--size WxH] [--zoom Z] [--centre LON LAT] [--globe] [--grid]";

// False with a message on a bad command line.
bool ParseRenderOptions(const std::vector<std::string>& arguments, RenderOptions& options, std::string& error);

}  // namespace orvex
