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

}  // namespace orvex
