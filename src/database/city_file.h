#pragma once
// City files, one city per line: latitude, longitude, name, and optionally
// zoom, name position (0: below) and circle diameter.
#include <filesystem>
#include <string_view>

#include "database/tables.h"

namespace orvex {

// Appends the file as the table's next entry, named `nomFichier`. 0 when read,
// else the system's error number and the table unchanged.
int CompileVilles(const std::filesystem::path& file, std::string_view nomFichier, TTableVilles& table);

// Writes the cities of one file entry to `file` with its comment header, in
// the form read above (every field written, "0" for a name below), atomically:
// 0, or the system's error number (the old file then stays whole).
int EcritVilles(const std::filesystem::path& file, const TFichierLieux<TVille>& fichier);

}  // namespace orvex
