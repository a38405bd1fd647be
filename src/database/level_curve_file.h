#pragma once
// Level-curve files, blocks of: a point count, an altitude in metres, then
// that many "latitude,longitude" point lines in decimal degrees. The reader
// and the writer of the save at exit.
#include <filesystem>
#include <string_view>

#include "database/tables.h"

namespace orvex {

// Appends the file as the table's next entry, named `nomFichier`. 0 when read,
// else the system's error number and the table unchanged.
//
// A count line that is not an integer ends the reading of the file; so does,
// in practice, a block whose count or altitude is below 2: it is not stored and
// its first point line is read as the next count. A block whose point lines stop early
// (a line without ',' or the end of the file) keeps the points it has, if at
// least two, and the line without ',' starts the next block: padding the
// curve with points at 0 degrees would draw strokes across the map.
int CompileNiveaux(const std::filesystem::path& file, std::string_view nomFichier, TTableNiveaux& table);

// Writes the curves of one file entry to `file` in the form read above, with
// its comment header, atomically: 0, or the system's error number (the old
// file then stays whole). Curves the reader would not keep (fewer than 2
// points, or below 2 m) are left out: the reader stops at such a block, so
// one of them would lose every curve after it.
int EcritNiveaux(const std::filesystem::path& file, const TFichierLieux<TCourbeNiveau>& fichier);

}  // namespace orvex
