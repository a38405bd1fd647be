#pragma once
// Command line of orvex-render, the headless map exporter.
#include <QStringList>
#include <array>
#include <optional>
#include <string>

namespace orvex {

// A level profile along the vector from (lon1, lat1) to (lon2, lat2), its
// section written to `output`.
struct ProfileRequest {
  double lon1 = 0;
  double lat1 = 0;
  double lon2 = 0;
  double lat2 = 0;
  std::string output;  // PNG file
};

struct RenderOptions {
  std::string directory;  // holds ORVEX.INI
  std::string output;     // PNG file
  int width = 1280;
  int height = 800;
  std::optional<int> zoom;
  std::optional<double> centreLongitude;
  std::optional<double> centreLatitude;
  std::optional<std::array<double, 3>> angles;  // alpha, beta, gamma in degrees
  bool globe = false;
  bool grid = false;
  std::optional<ProfileRequest> profile;
  bool horizon = false;  // the visibility horizon from the view centre
  std::string background;  // scanned map picture, its .cor beside it; empty for none
};

enum class RenderCommand { Render, Help, Version, Refused };

// `arguments` as the program got them, its own name first. Help gives the
// usage text in `message`, Refused the reason.
RenderCommand ParseRenderOptions(const QStringList& arguments, RenderOptions& options, std::string& message);

}  // namespace orvex
