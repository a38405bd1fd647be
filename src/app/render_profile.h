#pragma once
// What orvex-render adds to the rendered map: the visibility horizon from the
// view centre, and the level profile of a vector with its section picture and
// its crossings as CSV.
#include <QImage>

#include <filesystem>
#include <optional>
#include <string>

#include "app/program_state.h"
#include "app/render_options.h"
#include "mapview/canvas.h"
#include "terrain/profil.h"

namespace orvex {

// The horizon's rays over the map picture, through the segment index.
void RenderHorizon(ProgramState& state, Canvas& canvas);

struct ProfileRender {
  TPointsProfil tries;            // west to east
  std::optional<QImage> section;  // only with two crossings or more
  std::string csv;                // one line per crossing
};

// The crosses and, with two crossings or more, "A" and "B" on the map.
ProfileRender RenderProfile(ProgramState& state, Canvas& canvas, const ProfileRequest& request);

// "longitude,latitude,altitude,km" per crossing, west to east: the stored
// fixed degrees with 6 decimals, whole metres, and the distance from A along
// the section (the running sum of the distances between crossings) with 3
// decimals. Always a '.' decimal point.
std::string ProfileCsv(const TPointsProfil& tries);

// Prints the CSV on standard output and writes the section to `output`; the
// exit status: 0, or 1 with a message on standard error when there is no
// section (fewer than two crossings) or it cannot be written.
int WriteProfile(const ProfileRender& render, const std::string& output);

// The picture as PNG, written atomically; 0 or the system's error number
// (EIO when the picture could not be encoded).
int WritePngAtomically(const std::filesystem::path& file, const QImage& image);

}  // namespace orvex
