#pragma once
// Radio amateur files, one per line: latitude, longitude, call sign, altitude
// in metres.
#include <filesystem>
#include <string_view>

#include "database/tables.h"

namespace orvex {

// Appends the file as the table's next entry, named `nomFichier`. 0 when read,
// else the system's error number and the table unchanged.
int CompileOM(const std::filesystem::path& file, std::string_view nomFichier, TTableOM& table);

// Writes the radio amateurs of one file entry to `file` with its comment
// header, positions in degrees, minutes and seconds rounded to the nearest
// second, atomically: 0, or the system's error number (the old file then
// stays whole).
int EcritOM(const std::filesystem::path& file, const TFichierLieux<TOM>& fichier);

}  // namespace orvex
