#include "app/render_options.h"

#include "geo/coordinate_text.h"

namespace orvex {
namespace {

constexpr int kMaxPictureSide = 20000;
constexpr int kMaxZoom = 50000;

bool ParseSize(const std::string& text, RenderOptions& options) {
  const auto x = text.find_first_of("xX");
  int width = 0;
  int height = 0;
  if (x == std::string::npos || !ParseInteger(text.substr(0, x), width) ||
      !ParseInteger(text.substr(x + 1), height)) {
    return false;
  }
  if (width < 1 || height < 1 || width > kMaxPictureSide || height > kMaxPictureSide) {
    return false;
  }
  options.width = width;
  options.height = height;
  return true;
}

}  // namespace

bool ParseRenderOptions(const std::vector<std::string>& arguments, RenderOptions& options, std::string& error) {
  std::vector<std::string> positional;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const auto value = [&](std::size_t offset) -> const std::string* {
      return i + offset < arguments.size() ? &arguments[i + offset] : nullptr;
    };
    if (argument == "--size") {
      if (value(1) == nullptr || !ParseSize(*value(1), options)) {
        error = "--size needs WIDTHxHEIGHT, each 1.." + std::to_string(kMaxPictureSide);
        return false;
      }
      ++i;
    } else if (argument == "--zoom") {
      int zoom = 0;
      if (value(1) == nullptr || !ParseInteger(*value(1), zoom) || zoom < 1 || zoom > kMaxZoom) {
        error = "--zoom needs a whole number from 1 to " + std::to_string(kMaxZoom);
        return false;
      }
      options.zoom = zoom;
      ++i;
    } else if (argument == "--centre") {
      double lon = 0;
      double lat = 0;
      if (value(2) == nullptr || !ParseDecimal(CommaToPoint(*value(1)), lon) ||
          !ParseDecimal(CommaToPoint(*value(2)), lat) || lon < -180 || lon > 180 || lat < -90 || lat > 90) {
        error = "--centre needs a longitude (-180..180) and a latitude (-90..90) in decimal degrees";
        return false;
      }
      options.centreLongitude = lon;
      options.centreLatitude = lat;
      i += 2;
    } else if (argument == "--globe") {
      options.globe = true;
    } else if (argument == "--grid") {
      options.grid = true;
    } else if (argument.starts_with("--")) {
      error = "unknown option " + argument;
      return false;
    } else {
      positional.push_back(argument);
    }
  }
  if (positional.size() != 2) {
    error = kRenderUsage;
    return false;
  }
  options.directory = positional[0];
  options.output = positional[1];
  return true;
}

}  // namespace orvex
