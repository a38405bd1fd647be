#pragma once
// Country contour files: one polyline per file, one "latitude,longitude"
// point per line.
#include <filesystem>
#include <string_view>

#include "database/tables.h"

namespace orvex {

// Appends the file as the table's next entry, named `nomFichier`. 0 when read,
// else the system's error number and the table unchanged.
int CompileContours(const std::filesystem::path& file, std::string_view nomFichier, TTableContours& table);

}  // namespace orvex
