#pragma once
// Command line of orvex-render, the headless map exporter.
#include <QStringList>
#include <optional>
#include <string>

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
  std::string background;  // scanned map picture, its .cor beside it; empty for none
};

enum class RenderCommand { Render, Help, Version, Refused };

// `arguments` as the program got them, its own name first. Help gives the
// usage text in `message`, Refused the reason.
RenderCommand ParseRenderOptions(const QStringList& arguments, RenderOptions& options, std::string& message);

}  // namespace orvex
