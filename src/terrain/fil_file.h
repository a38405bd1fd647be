#pragma once
// FIL elevation grids: seven header lines (columns, rows, western longitude,
// southern latitude, column step, row step, NODATA value), each a keyword, a
// space and its number, then the altitudes row by row from the north.
//
// What this reader tolerates beyond the historical one, and why: values may be
// separated by any run of spaces, tabs, CR and LF, and header lines may end in
// CR LF (files copied through Windows tools have them; the old reader ran a
// value into the next across a bare line feed and failed CR LF files). A file
// shorter than its header announces, or announcing more than the tile format
// holds, is refused and the previous grid stays: nothing is ever invented.
// The positions keep the historical arithmetic: the corner and the steps are
// rounded to 1/16384 degree separately, the northern row then lies
// (rows - 1) rounded steps north of the southern latitude.
#include <filesystem>
#include <string>
#include <string_view>

#include "terrain/dalles.h"
#include "terrain/grid_samples.h"

namespace orvex {

struct EnteteFIL {
  std::int32_t colonnes = 0;
  std::int32_t lignes = 0;
  double xllcorner = 0;  // western column, degrees
  double yllcorner = 0;  // southern row, degrees
  double pasLg = 0;
  double pasLt = 0;
  std::int32_t nodata = 0;
  std::size_t debutValeurs = 0;  // offset of the first sample
};

// The seven header lines of `bytes`. A number that is not an integer where one
// is needed is an error; a decimal that does not read counts as 0.
std::string LitEnteteFIL(std::string_view bytes, EnteteFIL& entete);

// The zone as the preview frames it: west = xllcorner, north = the northern
// row, east one column step past the last column, south one row step below
// the southern row.
EtendueGrille EtendueFIL(const EnteteFIL& entete);

// The header of the file at `path` and its zone.
std::string LitEnteteFIL(const std::filesystem::path& path, EtendueGrille& etendue);

// The grid of `bytes`, ready to be read row by row.
std::string OuvreFIL(std::string_view bytes, SourceGrille& source);

// Replaces `dalle` with the grid of `path`; on failure `dalle` is unchanged.
std::string ImporteFIL(const std::filesystem::path& path, TDalle& dalle);
// The same over bytes already in memory.
std::string ImporteFIL(std::string_view bytes, TDalle& dalle);

}  // namespace orvex
