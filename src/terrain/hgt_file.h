#pragma once
// SRTM tiles (.hgt): 1201 x 1201 (3") or 3601 x 3601 (1") big-endian 16-bit
// altitudes over one degree square, north row first, voids -32768. The file
// name gives the south-west corner ("N43E007.hgt", "S12W077.hgt"); the
// samples lie on the whole degrees, the north-west one at (lon, lat + 1).
#include <filesystem>
#include <string>
#include <string_view>

#include "terrain/dalles.h"
#include "terrain/grid_samples.h"

namespace orvex {

// The grid a tile of `octets` bytes named `nom` holds.
std::string GeometrieHgt(std::string_view nom, std::uintmax_t octets, GeometrieSource& geometrie);

std::string LitEnteteHgt(const std::filesystem::path& path, EtendueGrille& etendue);

// The tile `nom` of `bytes`, ready to be read row by row.
std::string OuvreHgt(std::string_view nom, std::string_view bytes, SourceGrille& source);

// Replaces `dalle` with the tile; on failure `dalle` is unchanged.
std::string ImporteHgt(std::string_view nom, std::string_view bytes, TDalle& dalle);

}  // namespace orvex
