#pragma once
// The elevation grid files the import command takes, chosen by extension:
// ".fil" (FIL), ".asc" (ESRI ASCII grid), ".hgt" (SRTM tile), in any case.
#include <filesystem>
#include <string>

#include "terrain/dalles.h"
#include "terrain/grid_samples.h"

namespace orvex {

// The zone the grid of `path` covers, for the preview.
std::string LitEnteteGrille(const std::filesystem::path& path, EtendueGrille& etendue);

// Replaces `dalle` with the grid of `path`; on failure `dalle` is unchanged
// and the message says why.
std::string ImporteGrille(const std::filesystem::path& path, TDalle& dalle);

}  // namespace orvex
