#pragma once
// ESRI ASCII grids as GDAL, QGIS and other GIS write them: header lines of a
// keyword and a value in any order and any case (ncols, nrows, xllcorner or
// xllcenter, yllcorner or yllcenter, cellsize or dx and dy, optional
// NODATA_value), then the values row by row from the north, separated by any
// blanks and line ends. Values may be decimal (float grids); they are rounded
// to the metre.
//
// With xllcorner/yllcorner the header gives the outer corner of the south-west
// cell, whose sample lies half a cell inside; with xllcenter/yllcenter it gives
// that sample itself. Samples are then placed on whole 1/16384 degree steps
// (see PlanifieDalle).
#include <filesystem>
#include <string>
#include <string_view>

#include "terrain/dalles.h"
#include "terrain/grid_samples.h"

namespace orvex {

struct EnteteEsri {
  GeometrieSource geometrie;
  std::optional<double> nodata;
  std::size_t debutValeurs = 0;
};

std::string LitEnteteEsri(std::string_view bytes, EnteteEsri& entete);

// The zone of the grid the file imports to.
std::string LitEnteteEsri(const std::filesystem::path& path, EtendueGrille& etendue);

// The grid of `bytes`, ready to be read row by row.
std::string OuvreEsri(std::string_view bytes, SourceGrille& source);

// Replaces `dalle` with the grid of `bytes`; on failure `dalle` is unchanged.
std::string ImporteEsri(std::string_view bytes, TDalle& dalle);

}  // namespace orvex
